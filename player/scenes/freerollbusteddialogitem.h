#ifndef VESKGAMES_FREEROLLBUSTEDDIALOGITEM_H
#define VESKGAMES_FREEROLLBUSTEDDIALOGITEM_H

#include "infodialogitem.h"

namespace VeskGames {

class AbstractTheme;

/// The end of a freeroll for the player: the place, the prize, and a button
/// (or the timeout) that ends the game.
class FreerollBustedDialogItem : public InfoDialogItem
{
    Q_OBJECT

public:
    explicit FreerollBustedDialogItem(AbstractTheme* theme, QGraphicsItem* parent = nullptr);
    ~FreerollBustedDialogItem() override;

    /// \a place counts from 1 for the winner, as the server sends it.
    void setResult(int place, double amount, const QString& currency);
    static QString resultText(int place, double amount, const QString& currency);
    /// Closes by itself after \a seconds (none when 0 or less).
    void setTimeoutSeconds(int seconds);
};

} // namespace VeskGames

#endif
