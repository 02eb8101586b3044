// Tournaments from the player's chair against the real server: a Sit & Go
// from its registration dialog through the hands to the result and the
// prize in the balance, and leaving when the next one opens.
#include "betpushbuttonitem.h"
#include "client.h"
#include "defaulttheme.h"
#include "dialogbuttonboxitem.h"
#include "freerollbusteddialogitem.h"
#include "infodialogitem.h"
#include "localresources.h"
#include "playergamescene.h"
#include "playeritembase.h"
#include "playerprogram.h"
#include "pokerdprocess.h"
#include "pushbuttonitem.h"
#include "sngfinisheddialog.h"
#include "sngregisterdialog.h"
#include "textutils.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

using namespace VeskGames;
using PlayerTest::Program;

namespace {

// Small stacks and fast levels: a tournament over in a few dozen hands.
QByteArray tablesFile()
{
    const QJsonObject cash{{"id", "holdem"}, {"name", "Holdem"}, {"smallBlind", 0.5},
                           {"bigBlind", 1},  {"buyinMin", 20},   {"buyinMax", 100}};
    const QJsonObject sitAndGo{{"id", "sng"},
                               {"name", "Sit and Go"},
                               {"type", 0x2001},
                               {"seats", 3},
                               {"bots", 2},
                               {"smallBlind", 5},
                               {"bigBlind", 10},
                               {"buyinMin", 10},
                               {"buyinMax", 10},
                               {"fee", 1},
                               {"startStack", 60},
                               {"levelSeconds", 3},
                               {"payouts", QJsonArray{65, 35}}};
    return QJsonDocument(QJsonArray{cash, sitAndGo}).toJson();
}

} // namespace

class TestPlayerTournaments : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PokerdProcess m_server;
    std::unique_ptr<DefaultTheme> m_theme;

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<VeskGames::PlayerController*>();
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
        QFile tables(m_dir.filePath("tables.json"));
        QVERIFY(tables.open(QIODevice::WriteOnly));
        tables.write(tablesFile());
        tables.close();
        QVERIFY(m_server.start(m_dir.filePath("data"), {"--tables", tables.fileName(), "--action-timeout",
                                                        "20", "--bot-delay", "5", "--hand-delay", "50"}));
    }

    void cleanupTestCase() { m_theme.reset(); }

    void sitAndGoFromRegistrationToThePrize()
    {
        Program program(m_server.port(), m_theme.get());
        GameListDialogItem* lobby = program.toLobby("demo6", "sng");
        QVERIFY(lobby);
        QPointer<PlayerController> table = program.join(lobby, "sng");
        QVERIFY(table);
        double balance = -1;
        connect(table->client(), &Client::userInfo, this,
                [&balance](QString, QString, QString, qreal b, qreal) { balance = b; });

        PlayerGameScene* scene = nullptr;
        SnGRegisterDialog* registration = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (scene = table->playerScene()) &&
                (registration = qobject_cast<SnGRegisterDialog*>(scene->topWidgetDialog())),
            20000);
        QCOMPARE(registration->mode(), SnGRegisterDialog::Registration);
        QCOMPARE(registration->rowText("Buy-in"), QStringLiteral("€10 + €1"));
        QCOMPARE(registration->rowText("Chips"), QStringLiteral("60"));
        QCOMPARE(registration->rowText("Prizes"), QStringLiteral("1st €19.50 2nd €10.50"));
        QTRY_VERIFY_WITH_TIMEOUT(balance >= 0, 10000);
        const double before = balance;
        QCOMPARE(registration->rowText("Balance"), TextUtils::doubleToCurrencyString(before, "EUR"));

        double ownPrize = -1;
        int ownPlace = -1;
        connect(table->client(), &Client::tourBusted, this,
                [&, table](qint32 position, qint32 place, qreal amount, qint32) {
                    if (table && position == table->playerScene()->viewPosition()) {
                        ownPlace = place;
                        ownPrize = amount;
                    }
                });
        registration->registerButton()->click();
        // The last seat taken starts it: the registration gives way to the table.
        QTRY_VERIFY_WITH_TIMEOUT(!scene->topWidgetDialog() && table->parameters().tourStartStack > 0, 20000);

        // Plays every turn offered through the table's own button until the end.
        SnGFinishedDialog* finished = nullptr;
        int turns = 0;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         if (!table)
                             return true;
                         finished = qobject_cast<SnGFinishedDialog*>(scene->topWidgetDialog());
                         if (finished)
                             return true;
                         if (scene->checkCallButton()->isVisible()) {
                             scene->checkCallButton()->click();
                             ++turns;
                         }
                         return false;
                     },
                     240000),
                 "the tournament did not end for the player");
        QVERIFY(table);
        QVERIFY(finished);
        QVERIFY(turns > 0);
        QVERIFY(ownPlace >= 0 && ownPlace <= 2);
        QCOMPARE(finished->text(), SnGFinishedDialog::resultText(ownPlace, ownPrize, "EUR"));
        QCOMPARE(ownPrize, ownPlace == 0 ? 19.5 : ownPlace == 1 ? 10.5 : 0.0);
        // The prize is in the balance.
        QTRY_COMPARE_WITH_TIMEOUT(balance, before - 11 + ownPrize, 10000);

        // Staying: the next tournament's registration replaces the result...
        finished->closeButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<SnGRegisterDialog*>(scene->topWidgetDialog()), 60000);
        // ...and a program meant for one tournament leaves when the next one opens.
        table->setGameOverExit(true);
        table->slotTourStatusEvent(3, 0);
        table->slotTourStatusEvent(1, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!table || table->state() == StateGameOver, 20000);
    }

    void buyinRefusedLeavesTheDialogOpen()
    {
        Program program(m_server.port(), m_theme.get());
        GameListDialogItem* lobby = program.toLobby("demo7", "sng");
        QVERIFY(lobby);
        QPointer<PlayerController> table = program.join(lobby, "sng");
        QVERIFY(table);
        SnGRegisterDialog* registration = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(table->playerScene() && (registration = qobject_cast<SnGRegisterDialog*>(
                                                              table->playerScene()->topWidgetDialog())),
                                 20000);
        // The server refuses a buy-in it did not ask for.
        table->slotTourRegister(false);
        QCOMPARE(registration->statusText(), QStringLiteral("Buyin failed"));
        QVERIFY(registration->registerButton()->isEnabled());
        QCOMPARE(table->playerScene()->topWidgetDialog(), registration);
    }

    void freerollResultEndsTheGame()
    {
        // A server of its own, whose freeroll starts soon after the log-in.
        PokerdProcess server;
        QVERIFY(server.start(m_dir.filePath("freeroll"),
                             {"--action-timeout", "20", "--bot-delay", "5", "--hand-delay", "50",
                              "--freeroll-in", "12", "--freeroll-level", "1"}));
        Program program(server.port(), m_theme.get());
        QVERIFY(program.toLobby("demo8"));
        QSignalSpy opened(program.controller.get(), &PlayerController::tableCreated);
        program.controller->slotActionGameListRegister("freeroll-evening");
        // At its start the server opens the table by itself.
        QVERIFY(opened.wait(60000));
        QPointer<PlayerController> table = opened.first().at(0).value<PlayerController*>();
        QVERIFY(table);
        QCOMPARE(opened.first().at(1).toString(), QStringLiteral("freeroll-evening"));
        // Others sitting out keep their chips in a freeroll: they are shown as playing.
        QTRY_VERIFY_WITH_TIMEOUT(table->parameters().valid, 60000);
        PlayerGameScene* freeroll = table->playerScene();
        int other = -1;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                for (int position = 0; position < 10 && other < 0; ++position) {
                    AbstractPlayerItem* seat = freeroll->seat(position);
                    if (seat && !seat->playerName().isEmpty() && seat->playerName() != "demo8")
                        other = position;
                }
                return other >= 0;
            }(),
            20000);
        const QString otherName = freeroll->seat(other)->playerName();
        table->slotGameEventUserData(other, otherName, 0, 1500, AbstractPlayerItem::StatusSittingOut, 0,
                                     otherName);
        auto* shown = dynamic_cast<PlayerItemBase*>(freeroll->seat(other));
        QVERIFY(shown);
        QCOMPARE(shown->playerStatus(), AbstractPlayerItem::StatusActive);
        FreerollBustedDialogItem* result = nullptr;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         PlayerGameScene* scene = table ? table->playerScene() : nullptr;
                         if (!scene)
                             return false;
                         result = qobject_cast<FreerollBustedDialogItem*>(scene->topDialog());
                         if (result)
                             return true;
                         if (scene->checkCallButton()->isVisible())
                             scene->checkCallButton()->click();
                         return false;
                     },
                     240000),
                 "no result for the player");
        QVERIFY(table->parameters().type & 0x10000);
        QVERIFY2(result->text().startsWith("You finished in") ||
                     result->text().startsWith("Congratulations!"),
                 qPrintable(result->text()));
        // Closing the result ends the game at that table.
        result->buttonBox()->buttons().first()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!table || table->state() == StateGameOver, 20000);
    }
};

QTEST_MAIN(TestPlayerTournaments)
#include "tst_playertournaments.moc"
