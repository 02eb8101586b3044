#ifndef VESKTEST_JOURNEYCASE_H
#define VESKTEST_JOURNEYCASE_H

// The steps every journey takes the way a person does: start the program,
// log in, reach the lobby, join a game and buy in, through the windows only.
#include "buydialogitem.h"
#include "gamelistdialogitem.h"
#include "gamelistrows.h"
#include "journeydriver.h"
#include "logindialogitem.h"
#include "pokerdprocess.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>

namespace Journey {

using namespace VeskGames;
using PlayerTest::rowOf;

constexpr int kServerWait = 20000;

class JourneyCase : public QObject
{
protected:
    QTemporaryDir m_dir;
    PokerdProcess m_server;
    QString m_shots;
    bool m_full = false;
    bool m_core = false;

    /// Steps that play hands are left to the release build's run.
    bool playsHands()
    {
        if (m_core)
            QTest::qSkip("plays hands: in the release build's journey", __FILE__, __LINE__);
        return m_core;
    }

    /// The program as a newcomer starts it against the test's server.
    std::unique_ptr<Program> start(quint16 port, const QStringList& extra = {})
    {
        auto program = std::make_unique<Program>();
        const QStringList arguments =
            QStringList{"-host", "127.0.0.1", "-port", QString::number(port), "-disableUpdate"} + extra;
        if (!program->start(arguments, m_dir.filePath("config"), QStringLiteral(PLUGIN_DIR)))
            return nullptr;
        if (!Journey::turnTo(program->window()))
            return nullptr;
        return program;
    }

    void shot(QWidget* window, const QString& name)
    {
        QCoreApplication::processEvents();
        QVERIFY2(window->grab().save(m_shots + "/" + name + ".png"), qPrintable(name));
    }

    /// The dialog on top of what \a window shows, once it is a \a T and visible.
    template <typename T> T* waitFor(QWidget* window, int ms = kServerWait)
    {
        T* found = nullptr;
        (void)QTest::qWaitFor(
            [&] {
                found = Journey::topOf<T>(qobject_cast<QGraphicsView*>(window));
                return found && found->isVisible();
            },
            ms);
        return found && found->isVisible() ? found : nullptr;
    }

    /// Logs in as a person does: a click in the name field (a remembered
    /// name may be there, the focus then on the password), the name over
    /// whatever is there, Tab, the password, Return.
    void typeLogIn(PokerTableView* window, const QString& user, const QString& password)
    {
        auto* login = waitFor<LoginDialogItem>(window);
        QVERIFY(login);
        QLineEdit* name = Journey::field(login, "usernameLineEdit");
        QVERIFY(name);
        QTRY_VERIFY(name->isEnabled());
        QVERIFY(Journey::clickWidget(name));
        QTRY_VERIFY(name->hasFocus());
        Journey::key(window, Qt::Key_A, Qt::ControlModifier);
        Journey::keys(window, user);
        Journey::key(window, Qt::Key_Tab);
        Journey::keys(window, password);
        Journey::key(window, Qt::Key_Return);
    }

    GameListDialogItem* toLobby(Program& program, const QString& user)
    {
        typeLogIn(program.window(), user, "demo");
        GameListDialogItem* lobby = nullptr;
        (void)QTest::qWaitFor(
            [&] {
                lobby = waitFor<GameListDialogItem>(program.window(), 100);
                return lobby && rowOf(lobby->model(), "holdem-nl-050-1") >= 0;
            },
            kServerWait);
        return lobby;
    }

    /// Picks \a game with the arrow keys in the list and joins with Return.
    PlayerController* join(Program& program, GameListDialogItem* lobby, const QString& game)
    {
        QSignalSpy created(program.player(), &PlayerController::tableCreated);
        QTreeView* list = lobby->treeView();
        list->setFocus();
        list->setCurrentIndex(lobby->model()->index(0, 1));
        const int target = rowOf(lobby->model(), game);
        for (int i = 0; i < target; ++i)
            Journey::key(list, Qt::Key_Down);
        Journey::key(list, Qt::Key_Return);
        if (created.isEmpty() && !created.wait(10000))
            return nullptr;
        return created.first().at(0).value<PlayerController*>();
    }

    /// Joins \a game and buys in what the dialog offers first, by Return.
    PlayerController* sitDown(Program& program, GameListDialogItem* lobby, const QString& game)
    {
        QPointer<PlayerController> table = join(program, lobby, game);
        if (!table) {
            qWarning("sitDown: no table window for %s", qPrintable(game));
            return nullptr;
        }
        QPointer<BuyDialogItem> buy = waitFor<BuyDialogItem>(table->view());
        if (!buy ||
            !QTest::qWaitFor([&] { return !buy || (!buy->isLoading() && buy->okButton()->isEnabled()); },
                             kServerWait)) {
            qWarning() << "sitDown: no buy-in to take; on top:" << (table ? table->topDialog() : nullptr);
            return nullptr;
        }
        Journey::key(table->view(), Qt::Key_Return);
        (void)QTest::qWaitFor(
            [&] { return !table || (table->state() == StateTable && table->parameters().valid); },
            kServerWait);
        if (!table || table->state() != StateTable) {
            qWarning() << "sitDown: not seated; state" << (table ? int(table->state()) : -1)
                       << "on top:" << (table ? table->topDialog() : nullptr) << "buy-in"
                       << (buy ? buy->descriptionText() : QString("gone"));
            return nullptr;
        }
        return table.data();
    }
};

} // namespace Journey

#endif
