#include "renderingsetup.h"

#include <QtGlobal>

namespace VeskGames {

namespace {

QtMessageHandler previousHandler = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && RenderingSetup::isExpectedWithoutOpenGL(message))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

bool RenderingSetup::choose(const Lookup& lookup, const Assign& assign)
{
    if (lookup("VESK_OPENGL") == "1" || !lookup("QT_XCB_GL_INTEGRATION").isEmpty() ||
        !lookup("QT_QUICK_BACKEND").isEmpty())
        return false;
    assign("QT_XCB_GL_INTEGRATION", QByteArrayLiteral("none"));
    assign("QT_QUICK_BACKEND", QByteArrayLiteral("software"));
    return true;
}

bool RenderingSetup::isExpectedWithoutOpenGL(const QString& message)
{
    // The web engine asks for a shared context at start and the platform
    // says, once, that it cannot make one.
    return message.startsWith(QLatin1String("QXcbIntegration: Cannot create platform OpenGL context"));
}

bool RenderingSetup::apply()
{
    const bool software = choose([](const char* name) { return qgetenv(name); },
                                 [](const char* name, const QByteArray& value) { qputenv(name, value); });
    if (software)
        previousHandler = qInstallMessageHandler(filterMessages);
    return software;
}

} // namespace VeskGames
