#include "textutils.h"
#include "protocol.h"

#include <QVariant>

namespace VeskGames {

using namespace Protocol;

namespace {

QString fixed(double v, int decimals)
{
    QString text = QString::number(v, 'f', decimals);
    // Rounding noise below half a cent must not show as "-0.00".
    if (text.startsWith(QLatin1Char('-')) && QString::number(-v, 'f', decimals).toDouble() == 0.0)
        text.remove(0, 1);
    return text;
}
} // namespace

QString TextUtils::doubleToString(double v)
{
    QString text = fixed(v, 2);
    if (text.endsWith(QLatin1String(".00")))
        text.chop(3);
    return text;
}

QChar TextUtils::currencyToChar(const QString& currency)
{
    if (currency == QLatin1String("EUR"))
        return QChar(0x20AC);
    return QChar();
}

QString TextUtils::doubleToCurrencyString(double v, const QString& currency)
{
    // Unknown currencies get no sign at all rather than a null character.
    const QChar sign = currencyToChar(currency);
    return tr("%1%2").arg(sign.isNull() ? QString() : QString(sign), doubleToString(v));
}

QString TextUtils::gameTypeToString(int type)
{
    QString name;
    if (type & SitAndGo)
        name += tr("Sit & Go") + QLatin1Char(' ');
    if (type & TexasHoldem)
        name += tr("Texas Hold'em");
    else if (type & Omaha)
        name += tr("Omaha");
    if (type & Freeroll)
        name += QLatin1Char(' ') + tr("Freeroll");
    return name;
}

QString TextUtils::gameTypeToSmallString(int type)
{
    QString name;
    if (type & SitAndGo)
        name += tr("SnG") + QLatin1Char(' ');
    if (type & TexasHoldem)
        name += tr("Texas");
    else if (type & Omaha)
        name += tr("Omaha");
    return name;
}

QString TextUtils::limitTypeToString(int limit)
{
    switch (limit) {
    case 1:
        return tr("NL");
    case 2:
        return tr("PL");
    default:
        return tr("Unknown limit type");
    }
}

QString TextUtils::placeToString(int place)
{
    switch (place) {
    case 0:
        return tr("1st");
    case 1:
        return tr("2nd");
    case 2:
        return tr("3rd");
    case 3:
        return tr("4th");
    case 4:
        return tr("5th");
    case 5:
        return tr("6th");
    case 6:
        return tr("7th");
    case 7:
        return tr("8th");
    case 8:
        return tr("9th");
    case 9:
        return tr("10th");
    default:
        // Widened so that the largest int still reads as its successor.
        return QString::number(qint64(place) + 1);
    }
}

} // namespace VeskGames
