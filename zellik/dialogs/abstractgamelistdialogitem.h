#ifndef VESKGAMES_ABSTRACTGAMELISTDIALOGITEM_H
#define VESKGAMES_ABSTRACTGAMELISTDIALOGITEM_H

#include "command.h"
#include "themeddialogitem.h"

namespace VeskGames {

class WebDialogItem;

/// What every lobby offers the program, whichever theme draws it.
class ZELLIK_EXPORT AbstractGameListDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    explicit AbstractGameListDialogItem(QGraphicsItem* parent = nullptr);
    ~AbstractGameListDialogItem() override;

protected:
    /// Opens the operator's page at \a url over the lobby; null when there is none.
    WebDialogItem* openPage(const QString& url);

public Q_SLOTS:
    /// The server's answers to the refreshes asked for below.
    virtual void slotGameList(VeskGames::Command* command) = 0;
    virtual void slotFreerollList(VeskGames::Command* command) = 0;
    /// A freeroll's details; a lobby that never asks for them ignores it.
    virtual void slotDetailsResult(VeskGames::Command* command);
    /// The ticket asked for with actionNeedTicket(); the command is the asker's to delete.
    virtual void getTicketCommandDone(VeskGames::Command* command);
    virtual void refreshList() = 0;
    virtual void refreshDetails() = 0;
    /// The operator's cashier page ("urlBuyin") over the lobby, when there is one.
    virtual void displayCashier();
    /// The player's stored settings, which may arrive after the lobby is shown.
    virtual void setUserSettings(const QVariantMap& settings);

Q_SIGNALS:
    // A lobby that offers no such thing never emits its signal.
    void actionQuit();
    void actionOptions();
    void actionHandHistory();
    void actionJoin(const QString& gameId, qreal min, qreal max, const QString& currency, qint32 type);
    void actionRegister(const QString& gameId);
    void actionUnregister(const QString& gameId);
    /// The details of a freeroll, answered to \a receiver's slotDetailsResult().
    void actionDetails(const QString& gameId, const QObject* receiver);
    void actionRefreshGameList();
    void actionRefreshFreerollList();
    void actionCashierClosed();
    void actionNeedTicket();
};

} // namespace VeskGames

#endif
