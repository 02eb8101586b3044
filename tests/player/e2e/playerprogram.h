#ifndef VESKTEST_PLAYERPROGRAM_H
#define VESKTEST_PLAYERPROGRAM_H

// A player program inside a test process: its server link, its window and
// its controller, with the steps a person takes from the log-in to a seat.
#include "buydialogitem.h"
#include "client.h"
#include "gamelistdialogitem.h"
#include "gamelistrows.h"
#include "logindialogitem.h"
#include "playercontroller.h"
#include "pokertableview.h"

#include <QGraphicsProxyWidget>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace PlayerTest {

inline QLineEdit* field(QGraphicsWidget* dialog, const char* name)
{
    for (QGraphicsItem* item : dialog->childItems()) {
        if (auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item)) {
            if (auto* edit = proxy->widget()->findChild<QLineEdit*>(QLatin1String(name)))
                return edit;
        }
    }
    return nullptr;
}

inline int rowOf(const QStandardItemModel* model, const QString& id)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(VeskGames::GameListRows::RecordRole).toMap().value("id").toString() ==
            id)
            return row;
    }
    return -1;
}

struct Program
{
    VeskGames::Client client;
    VeskGames::PokerTableView view;
    std::unique_ptr<VeskGames::PlayerController> controller;

    Program(quint16 port, VeskGames::AbstractTheme* theme,
            VeskGames::ApplicationState start = VeskGames::StateStart)
    {
        client.setHost(QStringLiteral("127.0.0.1"), port);
        view.resize(1024, 768);
        view.show();
        controller = std::make_unique<VeskGames::PlayerController>(start, &client, &view, theme, false);
        // A controller whose game is over deletes itself.
        QObject::connect(controller.get(), &QObject::destroyed, [this] { (void)controller.release(); });
    }
    ~Program()
    {
        // Table windows first: they share the theme.
        controller.reset();
    }

    template <typename T> T* top() const { return qobject_cast<T*>(controller->topDialog()); }

    /// Fills in the log-in dialog once it shows and logs in.
    bool logIn(const QString& user, const QString& password)
    {
        // Whichever log-in the theme makes: the fields and the slot are named alike.
        if (!QTest::qWaitFor([&] { return top<VeskGames::AbstractLoginDialogItem>() != nullptr; }, 10000))
            return false;
        auto* login = top<VeskGames::AbstractLoginDialogItem>();
        QLineEdit* name = field(login, "usernameLineEdit");
        QLineEdit* secret = field(login, "passwordLineEdit");
        if (!name || !secret)
            return false;
        name->setText(user);
        secret->setText(password);
        return QMetaObject::invokeMethod(login, "slotDoAuth");
    }

    /// Starts, logs in and waits for the lobby with \a game listed.
    VeskGames::GameListDialogItem* toLobby(const QString& user, const QString& game = "holdem-nl-050-1")
    {
        controller->startUp(true);
        if (!logIn(user, "demo"))
            return nullptr;
        return lobbyWith(game);
    }

    VeskGames::GameListDialogItem* lobbyWith(const QString& game)
    {
        VeskGames::GameListDialogItem* lobby = nullptr;
        const bool listed = QTest::qWaitFor(
            [&] {
                lobby = top<VeskGames::GameListDialogItem>();
                return lobby && rowOf(lobby->model(), game) >= 0;
            },
            20000);
        return listed ? lobby : nullptr;
    }

    /// Picks \a game in the lobby and joins: a table controller appears.
    VeskGames::PlayerController* join(VeskGames::GameListDialogItem* lobby, const QString& game)
    {
        QSignalSpy created(controller.get(), &VeskGames::PlayerController::tableCreated);
        lobby->treeView()->setCurrentIndex(lobby->model()->index(rowOf(lobby->model(), game), 1));
        lobby->slotJoin();
        if (created.isEmpty() && !created.wait(10000))
            return nullptr;
        return created.first().at(0).value<VeskGames::PlayerController*>();
    }

    /// Joins \a game, buys in with what the dialog offers and waits for the table.
    VeskGames::PlayerController* sitDown(VeskGames::GameListDialogItem* lobby, const QString& game)
    {
        // A table refused (full, say) ends its controller: watched, not trusted.
        QPointer<VeskGames::PlayerController> table = join(lobby, game);
        if (!table)
            return nullptr;
        VeskGames::BuyDialogItem* buy = nullptr;
        if (!QTest::qWaitFor(
                [&] {
                    buy = table ? qobject_cast<VeskGames::BuyDialogItem*>(table->topDialog()) : nullptr;
                    return !table || (buy && !buy->isLoading() && buy->amount() > 0);
                },
                20000) ||
            !table)
            return nullptr;
        buy->slotBuyin();
        const bool seated = QTest::qWaitFor(
            [&] { return !table || (table->state() == VeskGames::StateTable && table->parameters().valid); },
            20000);
        return seated && table ? table.data() : nullptr;
    }
};

} // namespace PlayerTest

#endif
