#include "handoverarguments.h"

#include <QRegularExpression>

namespace VeskGames {

QStringList HandOverArguments::list(const Installation& installation, const QString& program,
                                    const QString& arguments, bool autoRestart)
{
    QStringList result{QStringLiteral("-component"),  installation.component,     QStringLiteral("-version"),
                       installation.version,          QStringLiteral("-baseDir"), installation.baseDir,
                       QStringLiteral("-serverInfo"), installation.serverInfo};
    if (!installation.tag.isEmpty())
        result << QStringLiteral("-tag") << installation.tag;
    if (!program.isEmpty()) {
        result << QStringLiteral("-restart") << program;
        if (autoRestart)
            result << QStringLiteral("-restartAuto");
        result << QStringLiteral("--");
        result << arguments.split(u' ', Qt::SkipEmptyParts);
    }
    return result;
}

QString HandOverArguments::windowsCommandLine(const QStringList& arguments)
{
    static const QRegularExpression backslashesBeforeQuote(QStringLiteral("(\\\\*)\""));
    static const QRegularExpression trailingBackslashes(QStringLiteral("(\\\\*)$"));
    QString line;
    for (QString argument : arguments) {
        // Backslashes before a quote are doubled, then every quote escaped.
        argument.replace(backslashesBeforeQuote, QStringLiteral("\\1\\1\\\""));
        if (argument.isEmpty() || argument.contains(u' ') || argument.contains(u'\t')) {
            // Backslashes at the end go behind the closing quote.
            const QRegularExpressionMatch tail = trailingBackslashes.match(argument);
            const QString slashes = tail.captured(1);
            argument.chop(slashes.size());
            argument = QLatin1Char('"') + argument + QLatin1Char('"') + slashes;
        }
        line += QLatin1Char(' ') + argument;
    }
    return line;
}

} // namespace VeskGames
