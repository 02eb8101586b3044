#include "freerollbusteddialogitem.h"

#include "textutils.h"

namespace VeskGames {

FreerollBustedDialogItem::FreerollBustedDialogItem(AbstractTheme* theme, QGraphicsItem* parent)
    : InfoDialogItem(parent)
{
    setObjectName(QStringLiteral("FreerollBustedDialog"));
    setTheme(theme);
    createButton(tr("OK"), QDialogButtonBox::AcceptRole, true);
}

FreerollBustedDialogItem::~FreerollBustedDialogItem() = default;

QString FreerollBustedDialogItem::resultText(int place, double amount, const QString& currency)
{
    const QString ordinal = TextUtils::placeToString(place - 1);
    const QString prize = TextUtils::doubleToCurrencyString(amount, currency);
    if (amount > 0.000001 && place == 1)
        return tr("Congratulations!\nYou finished in %1 place and won %2!").arg(ordinal, prize);
    if (amount > 0.000001)
        return tr("You finished in %1 place and won %2!").arg(ordinal, prize);
    return tr("You finished in %1 place!").arg(ordinal);
}

void FreerollBustedDialogItem::setResult(int place, double amount, const QString& currency)
{
    setText(resultText(place, amount, currency));
}

void FreerollBustedDialogItem::setTimeoutSeconds(int seconds)
{
    if (seconds > 0)
        setTimeout(seconds * 1000);
}

} // namespace VeskGames
