#ifndef VESKGAMES_RESTARTARGUMENTS_H
#define VESKGAMES_RESTARTARGUMENTS_H

#include <QStringList>

namespace VeskGames {

/// The command line a restart starts the program again with: its own
/// arguments, logged in with the remembered credentials, without the update
/// check, in the language it ran in.
class RestartArguments
{
public:
    RestartArguments() = delete;

    /// \a arguments are the program's own, the program path first (dropped).
    static QStringList build(const QStringList& arguments, const QString& user, const QString& password,
                             const QString& language);
};

} // namespace VeskGames

#endif
