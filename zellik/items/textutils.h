#ifndef VESKGAMES_TEXTUTILS_H
#define VESKGAMES_TEXTUTILS_H

#include "zellik_export.h"

#include <QChar>
#include <QCoreApplication>
#include <QString>

namespace VeskGames {

/// The one wording of amounts, game names, limits and places across the client.
class ZELLIK_EXPORT TextUtils
{
    Q_DECLARE_TR_FUNCTIONS(TextUtils)

public:
    TextUtils() = delete;

    /// Every amount the player reads: two decimals, dropped when they are
    /// ".00". An amount with cents always shows them, however large.
    static QString doubleToString(double v);
    /// The euro sign for "EUR", a null character for anything else.
    static QChar currencyToChar(const QString& currency);
    static QString doubleToCurrencyString(double v, const QString& currency);
    static QString gameTypeToString(int type);
    static QString gameTypeToSmallString(int type);
    static QString limitTypeToString(int limit);
    /// 0-based place: 0 reads "1st".
    static QString placeToString(int place);
};

} // namespace VeskGames

#endif
