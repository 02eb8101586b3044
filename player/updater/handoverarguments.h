#ifndef VESKGAMES_HANDOVERARGUMENTS_H
#define VESKGAMES_HANDOVERARGUMENTS_H

#include <QString>
#include <QStringList>

namespace VeskGames {

/// What the updater program is told when the client hands over to it.
class HandOverArguments
{
public:
    struct Installation
    {
        QString component;
        QString version;
        QString baseDir;
        QString serverInfo;
        QString tag;
    };

    /// The updater's argument list; with a \a program to restart, its
    /// \a arguments (one text, split at blanks) follow "--".
    static QStringList list(const Installation& installation, const QString& program,
                            const QString& arguments, bool autoRestart);
    /// \a arguments as one Windows command line, each preceded by a blank and
    /// quoted so that the program's start-up code reads them back unchanged.
    static QString windowsCommandLine(const QStringList& arguments);
};

} // namespace VeskGames

#endif
