#ifndef VESKGAMES_ABSTRACTBUYDIALOGITEM_H
#define VESKGAMES_ABSTRACTBUYDIALOGITEM_H

#include "themeddialogitem.h"

namespace VeskGames {

/// What every buy-in dialog tells the program, whichever theme draws it.
class ZELLIK_EXPORT AbstractBuyDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    explicit AbstractBuyDialogItem(QGraphicsItem* parent = nullptr);
    ~AbstractBuyDialogItem() override;

Q_SIGNALS:
    void automaticReBuyToggled(bool on);
};

} // namespace VeskGames

#endif
