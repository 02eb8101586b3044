#include "abstracttheme.h"

#include "infodialogitem.h"

namespace VeskGames {

AbstractTheme::~AbstractTheme() = default;

InfoDialogItem* AbstractTheme::createInfoDialog() const
{
    auto* dialog = new InfoDialogItem;
    dialog->setTheme(const_cast<AbstractTheme*>(this));
    return dialog;
}

QVariantMap AbstractTheme::defaultSettings()
{
    return QVariantMap();
}

} // namespace VeskGames
