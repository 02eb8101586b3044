#ifndef VESKGAMES_RENDERINGSETUP_H
#define VESKGAMES_RENDERINGSETUP_H

#include <QByteArray>
#include <QString>

#include <functional>

namespace VeskGames {

/// How the program draws, chosen before the application object exists.
///
/// The tables and dialogs paint with the raster engine; OpenGL only ever
/// served the web pages (cashier, news). Loading it at start cost about
/// 30 MiB and a good part of the start-up on machines that render GL in
/// software, for pages most sessions never open. So unless the environment
/// already picks a GL integration or a Qt Quick backend, or VESK_OPENGL=1
/// asks for OpenGL, the program runs without it and web pages are composited
/// in software.
class RenderingSetup
{
public:
    using Lookup = std::function<QByteArray(const char*)>;
    using Assign = std::function<void(const char*, const QByteArray&)>;

    /// Makes the choice with the process environment; true when the program
    /// goes without OpenGL because of it. Installs a message filter that drops
    /// the platform's complaint that it has no OpenGL, which is then expected.
    static bool apply();

    /// The choice on its own: reads variables through \a lookup and sets
    /// them through \a assign.
    static bool choose(const Lookup& lookup, const Assign& assign);

    /// True for the platform's message about the OpenGL that was left out.
    static bool isExpectedWithoutOpenGL(const QString& message);
};

} // namespace VeskGames

#endif
