#include "restartarguments.h"

namespace VeskGames {

QStringList RestartArguments::build(const QStringList& arguments, const QString& user,
                                    const QString& password, const QString& language)
{
    QStringList out = arguments.mid(1);
    // A log-in given before would fight the remembered one.
    for (int i = 0; i < out.size(); ++i) {
        if (out.at(i) == QLatin1String("-authStatic")) {
            out.remove(i, qMin<qsizetype>(2, out.size() - i));
            --i;
        }
    }
    // Without a user the next start asks for the log-in again.
    if (!user.isEmpty())
        out << QStringLiteral("-authStatic") << user + QLatin1Char(':') + password + QStringLiteral(":0");
    out << QStringLiteral("-disableUpdate");
    if (!out.contains(QStringLiteral("-locale")))
        out << QStringLiteral("-locale") << language;
    return out;
}

} // namespace VeskGames
