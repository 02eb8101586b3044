#include "staticcredentials.h"

#include <QStringList>

namespace VeskGames {

bool StaticCredentials::parse(const QString& text, StaticCredentials* out)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return false;
    bool ok = false;
    const double amount = parts.at(2).toDouble(&ok);
    if (!ok)
        return false;
    out->user = parts.at(0);
    out->password = parts.at(1);
    out->buyinAmount = amount;
    return true;
}

} // namespace VeskGames
