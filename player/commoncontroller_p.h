#ifndef VESKGAMES_COMMONCONTROLLER_P_H
#define VESKGAMES_COMMONCONTROLLER_P_H

#include "commoncontroller.h"
#include "compositecommand.h"
#include "gamescene.h"
#include "infodialogitem.h"
#include "pokertableview.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QVariant>

namespace VeskGames {

/// Derived controllers extend this record with their own fields.
class CommonController::Private
{
public:
    virtual ~Private() = default;

    QPointer<Client> client;
    QPointer<PokerTableView> view;
    AbstractTheme* theme = nullptr;
    QPointer<GameScene> scene;
    QPointer<InfoDialogItem> warningDialog;
    GameParameters parameters;
    /// From game parameters to the next batch: no animation.
    bool instant = false;
    /// Between the begin and the end of a batch.
    bool collecting = false;
    QPointer<CompositeCommand> batch;
    bool showUserName = false;
    bool quitOnGameOver = false;
    bool singleWindow = false;

    int batchCount = 0;
    /// The last batch ended but its animations have not all reached their end.
    bool batchRunning = false;
    QVariant handId;
    QString feedPath;
    bool feedFailed = false;
    bool over = false;
    /// Since the heap was last trimmed; invalid before the first hand.
    QElapsedTimer sinceTrim;
};

} // namespace VeskGames

#endif
