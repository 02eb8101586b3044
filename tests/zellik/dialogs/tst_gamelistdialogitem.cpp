// The lobby filled from the local server's real answers, and from scripted
// answers where the test needs the rows in another order or a failure.
#include "abstractpokertablescene.h"
#include "client.h"
#include "defaulttheme.h"
#include "gamelistdialogitem.h"
#include "gamelistrows.h"
#include "infodialogitem.h"
#include "lobbytestsupport.h"
#include "localresources.h"
#include "pokerdprocess.h"
#include "pushbuttonitem.h"
#include "scriptedhttpserver.h"
#include "servercommand.h"
#include "xmlrpc/response.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QGraphicsView>
#include <QHeaderView>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace VeskGames;

namespace {

using LobbyTest::finished;
using LobbyTest::Scene;

QVariantMap game(const QString& id, int players, double small = 0.5, double big = 1)
{
    return {{"id", id},          {"name", id},         {"type", 0x1001},   {"currency", QString("EUR")},
            {"limit", 1},        {"stakeMin", small},  {"stakeMax", big},  {"ante", 0.0},
            {"seats", 6},        {"players", players}, {"buyinMin", 20.0}, {"buyinMax", 100.0},
            {"isPlaying", false}};
}

QStringList column(const QStandardItemModel* model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

QStringList headers(const QStandardItemModel* model)
{
    QStringList titles;
    for (int i = 0; i < model->columnCount(); ++i)
        titles << model->headerData(i, Qt::Horizontal).toString();
    return titles;
}

int rowOf(const QStandardItemModel* model, const QString& id)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(GameListRows::RecordRole).toMap().value("id").toString() == id)
            return row;
    }
    return -1;
}

} // namespace

class TestGameListDialogItem : public QObject
{
    Q_OBJECT

    QTemporaryDir m_data;
    PokerdProcess m_pokerd;
    std::unique_ptr<Client> m_client;
    ScriptedHttpServer m_scripted;
    QList<QVariant> m_script; ///< answers the scripted server gives, oldest first
    std::unique_ptr<Client> m_scriptedClient;

    std::unique_ptr<Client> connectedClient(quint16 port)
    {
        auto client = std::make_unique<Client>();
        client->connect();
        client->setHost(QStringLiteral("127.0.0.1"), port);
        return client;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("vesk-tests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_gamelistdialogitem"));
        LocalResources::setSearchPaths({QStringLiteral(":")});
        QVERIFY(m_pokerd.start(m_data.path()));
        m_client = connectedClient(m_pokerd.port());
        const QString digest =
            QString::fromLatin1(QCryptographicHash::hash("demo", QCryptographicHash::Sha1).toHex());
        auto login =
            finished(m_client.get(), "authenticate",
                     {1, QStringList{"demo3", digest, "ff:ff:ff:ff:ff:03", "demo"}, QString("en_US"), 0});
        QVERIFY(!login->hasError());

        m_scripted.setHandler([this](const ScriptedHttpServer::Received&) {
            if (m_script.isEmpty())
                return ScriptedHttpServer::xml(xmlrpc::Response(xmlrpc::Variant(QVariantList())).toXml());
            const QVariant next = m_script.takeFirst();
            if (next.metaType().id() == QMetaType::Int) {
                ScriptedHttpServer::Reply broken;
                broken.status = next.toInt();
                broken.reason = "Broken";
                return broken;
            }
            return ScriptedHttpServer::xml(xmlrpc::Response(xmlrpc::Variant(next)).toXml());
        });
        QVERIFY(m_scripted.listen());
        m_scriptedClient = connectedClient(m_scripted.port());
    }

    void cashGamesFromTheServer()
    {
        GameListDialogItem dialog({});
        auto list = finished(m_client.get(), "gameList");
        QVERIFY(!list->hasError());
        dialog.slotGameList(list.get());
        const QVariantList records = list->result().toList();
        QStandardItemModel* model = dialog.model();
        QCOMPARE(model->rowCount(), records.size());
        QCOMPARE(headers(model), (QStringList{"", "Pool", "Game", "Limit", "Blinds", "Seats", "Players"}));
        struct Expected
        {
            const char* id;
            const char* game;
            const char* limit;
            const char* blinds;
        };
        for (const Expected& e : {Expected{"holdem-nl-050-1", "Texas", "NL", "\u20ac0.50/\u20ac1"},
                                  Expected{"omaha-pl-1-2", "Omaha", "PL", "\u20ac1/\u20ac2"},
                                  Expected{"omaha-nl-050-1", "Omaha", "NL", "\u20ac0.50/\u20ac1"},
                                  Expected{"holdem-pl-1-2", "Texas", "PL", "\u20ac1/\u20ac2"},
                                  Expected{"holdem-ante", "Texas", "NL", "\u20ac1"},
                                  // Tournament blinds are chips, not money.
                                  Expected{"sng-holdem-3", "SnG Texas", "NL", "10/20"}}) {
            const int row = rowOf(model, e.id);
            QVERIFY2(row >= 0, e.id);
            QCOMPARE(model->index(row, 2).data().toString(), QString::fromUtf8(e.game));
            QCOMPARE(model->index(row, 3).data().toString(), QString::fromUtf8(e.limit));
            QCOMPARE(model->index(row, 4).data().toString(), QString::fromUtf8(e.blinds));
        }
        const int full = rowOf(model, "holdem-full");
        QCOMPARE(model->index(full, 5).data().toString(), model->index(full, 6).data().toString());
        QCOMPARE(model->index(rowOf(model, "holdem-empty"), 6).data().toString(), QString("0"));
        // The busiest tables come first.
        QList<int> players;
        for (const QString& text : column(model, 6))
            players << text.toInt();
        QVERIFY(std::is_sorted(players.rbegin(), players.rend()));
        QVERIFY(dialog.isListTimerActive());
    }

    void buyinTexts_data()
    {
        QTest::addColumn<QVariantMap>("record");
        QTest::addColumn<QString>("text");
        const auto game = [](int type, double low, double high, double fee = 0) {
            return QVariantMap{{"type", type},
                               {"currency", "EUR"},
                               {"buyinMin", low},
                               {"buyinMax", high},
                               {"tourBuyinFee", fee}};
        };
        QTest::newRow("cash range") << game(0x1001, 40, 200) << "\u20ac40 - \u20ac200";
        QTest::newRow("cash, one amount") << game(0x1001, 50, 50) << "\u20ac50";
        QTest::newRow("cash with cents") << game(0x1001, 20.5, 100) << "\u20ac20.50 - \u20ac100";
        QTest::newRow("Sit & Go and its fee") << game(0x2001, 10, 10, 1) << "\u20ac10 + \u20ac1";
        QTest::newRow("Sit & Go without a fee") << game(0x2001, 10, 10) << "\u20ac10";
        QTest::newRow("nothing said") << game(0x1001, 0, 0) << "";
    }

    void buyinTexts()
    {
        QFETCH(QVariantMap, record);
        QFETCH(QString, text);
        QCOMPARE(GameListRows::buyinText(record), text);
    }

    void freerollsFromTheServer()
    {
        GameListDialogItem dialog({});
        QSignalSpy refresh(&dialog, &GameListDialogItem::actionRefreshFreerollList);
        dialog.tabBar()->setCurrentIndex(1);
        QCOMPARE(refresh.size(), 1);
        QCOMPARE(headers(dialog.model()),
                 (QStringList{"", "Start Date", "Game", "Prize Pool", "Registered"}));
        QVERIFY(!dialog.joinButton()->isVisible() || !dialog.joinButton()->isVisibleTo(&dialog));
        auto reg = finished(m_client.get(), "freerollRegister", {QString("freeroll-evening"), true});
        QVERIFY(reg->result().toBool());
        auto list = finished(m_client.get(), "freerollList");
        dialog.slotFreerollList(list.get());
        QStandardItemModel* model = dialog.model();
        QCOMPARE(model->rowCount(), list->result().toList().size());
        const QMap<QString, QString> icons{{"freeroll-evening", "/lobby/icon_registered.png"},
                                           {"freeroll-omaha", "/lobby/icon_unregistered.png"},
                                           {"freeroll-running", "/lobby/icon_running.png"},
                                           {"freeroll-sng-full", "/lobby/icon_full.png"},
                                           {"freeroll-finished", "/lobby/icon_stopped.png"}};
        for (auto it = icons.begin(); it != icons.end(); ++it) {
            const int row = rowOf(model, it.key());
            QVERIFY2(row >= 0, qPrintable(it.key()));
            QCOMPARE(model->index(row, 0).data(GameListRows::IconRole).toString(), it.value());
            QVERIFY(!model->index(row, 1).data().toString().isEmpty());
        }
        QCOMPARE(model->index(rowOf(model, "freeroll-evening"), 3).data().toString(), QString("\u20ac100"));
        QCOMPARE(model->index(rowOf(model, "freeroll-omaha"), 2).data().toString(), QString("Omaha"));
        // Soonest first.
        QStringList ids;
        for (int row = 0; row < model->rowCount(); ++row)
            ids << model->index(row, 0).data(GameListRows::RecordRole).toMap().value("id").toString();
        QCOMPARE(ids.first(), QString("freeroll-finished"));
        QCOMPARE(ids.last(), QString("freeroll-omaha"));

        // Register and unregister follow the chosen freeroll.
        dialog.treeView()->setCurrentIndex(model->index(rowOf(model, "freeroll-evening"), 1));
        QVERIFY(!dialog.registerButton()->isEnabled() && dialog.unregisterButton()->isEnabled());
        QSignalSpy unregister(&dialog, &GameListDialogItem::actionUnregister);
        dialog.unregisterButton()->click();
        QCOMPARE(unregister.size(), 1);
        QCOMPARE(unregister.first().at(0).toString(), QString("freeroll-evening"));
        dialog.treeView()->setCurrentIndex(model->index(rowOf(model, "freeroll-running"), 1));
        QVERIFY(!dialog.registerButton()->isEnabled() && !dialog.unregisterButton()->isEnabled());
        finished(m_client.get(), "freerollRegister", {QString("freeroll-evening"), false});
    }

    void statusIcons_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QString>("icon");
        QTest::newRow("cash, not playing") << 0 << false << "";
        QTest::newRow("cash, playing") << 0 << true << "/lobby/icon_running.png";
        QTest::newRow("registering") << 1 << false << "/lobby/icon_unregistered.png";
        QTest::newRow("registered") << 1 << true << "/lobby/icon_registered.png";
        QTest::newRow("running") << 2 << false << "/lobby/icon_running.png";
        QTest::newRow("stopped, registered") << 3 << true << "/lobby/icon_stopped.png";
        QTest::newRow("full") << 4 << false << "/lobby/icon_full.png";
        QTest::newRow("full, registered") << 4 << true << "/lobby/icon_full.png";
        QTest::newRow("unknown") << 9 << true << "";
    }

    void statusIcons()
    {
        QFETCH(int, status);
        QFETCH(bool, registered);
        QFETCH(QString, icon);
        QCOMPARE(GameListRows::statusIcon(registered, status), icon);
    }

    void theSelectionFollowsTheGame()
    {
        GameListDialogItem dialog({});
        m_script = {QVariantList{game("a", 1), game("b", 2), game("c", 3)},
                    QVariantList{game("c", 0), game("a", 5), game("b", 4)}, 500,
                    QVariantList{game("a", 1), game("c", 3)}};
        dialog.slotGameList(finished(m_scriptedClient.get(), "gameList").get());
        QCOMPARE(column(dialog.model(), 1), (QStringList{"c", "b", "a"}));
        dialog.treeView()->setCurrentIndex(dialog.model()->index(1, 1));
        QCOMPARE(dialog.selectedGameId(), QString("b"));

        // New counts turn the order round: the same game stays chosen.
        dialog.slotGameList(finished(m_scriptedClient.get(), "gameList").get());
        QCOMPARE(column(dialog.model(), 1), (QStringList{"a", "b", "c"}));
        QCOMPARE(dialog.selectedGameId(), QString("b"));
        QCOMPARE(dialog.selectedRecord().value("players").toInt(), 4);

        // A failed refresh keeps the rows and the timer.
        auto broken = finished(m_scriptedClient.get(), "gameList");
        QVERIFY(broken->hasError());
        dialog.slotGameList(broken.get());
        QCOMPARE(dialog.model()->rowCount(), 3);
        QCOMPARE(dialog.selectedGameId(), QString("b"));
        QVERIFY(dialog.isListTimerActive());

        // The chosen game is gone: nothing is chosen, and Join does nothing.
        dialog.slotGameList(finished(m_scriptedClient.get(), "gameList").get());
        QCOMPARE(dialog.model()->rowCount(), 2);
        QVERIFY(dialog.selectedRecord().isEmpty());
        QVERIFY(!dialog.joinButton()->isEnabled());
        QSignalSpy join(&dialog, &GameListDialogItem::actionJoin);
        dialog.slotJoin();
        QCOMPARE(join.size(), 0);
    }

    void switchingTabsTwiceComesBack()
    {
        GameListDialogItem dialog({});
        QHeaderView* header = dialog.treeView()->header();
        const QStringList cash = headers(dialog.model());
        QCOMPARE(header->sortIndicatorSection(), 6);
        header->setSortIndicator(2, Qt::AscendingOrder);
        QSignalSpy cashRefresh(&dialog, &GameListDialogItem::actionRefreshGameList);
        dialog.slotTabBarChanged(1);
        QCOMPARE(dialog.listType(), 1);
        QCOMPARE(header->sortIndicatorSection(), 1);
        dialog.slotTabBarChanged(0);
        QCOMPARE(dialog.tabBar()->currentIndex(), 0);
        QCOMPARE(headers(dialog.model()), cash);
        QCOMPARE(header->sortIndicatorSection(), 6);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(cashRefresh.size(), 1);
    }

    void theKeyboardJoins()
    {
        Scene scene;
        auto* dialog = new GameListDialogItem({});
        scene.addItem(dialog);
        dialog->placeInScene();
        QGraphicsView view(&scene);
        view.resize(1024, 768);
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        m_script = {QVariantList{game("a", 1), game("b", 2, 1, 2), game("c", 3)}};
        dialog->slotGameList(finished(m_scriptedClient.get(), "gameList").get());
        dialog->treeView()->setFocus();
        QTRY_VERIFY(dialog->treeView()->hasFocus());
        dialog->treeView()->setCurrentIndex(dialog->model()->index(0, 1));
        QCOMPARE(dialog->selectedGameId(), QString("c"));
        QTest::keyClick(dialog->treeView(), Qt::Key_Down);
        QTest::keyClick(dialog->treeView(), Qt::Key_Down);
        QTest::keyClick(dialog->treeView(), Qt::Key_Up);
        QCOMPARE(dialog->selectedGameId(), QString("b"));
        QSignalSpy join(dialog, &GameListDialogItem::actionJoin);
        QTest::keyClick(dialog->treeView(), Qt::Key_Return);
        QCOMPARE(join.size(), 1);
        QCOMPARE(join.first().at(0).toString(), QString("b"));
        QCOMPARE(join.first().at(1).toDouble(), 20.0);
        QCOMPARE(join.first().at(2).toDouble(), 100.0);
        QCOMPARE(join.first().at(3).toString(), QString("EUR"));
        QCOMPARE(join.first().at(4).toInt(), 0x1001);
        dialog->slotDoubleClicked(dialog->model()->index(0, 2));
        QCOMPARE(join.size(), 2);
    }

    void detailsRefreshThemselves()
    {
        GameListDialogItem dialog({});
        dialog.slotTabBarChanged(1);
        dialog.slotFreerollList(finished(m_client.get(), "freerollList").get());
        const int row = rowOf(dialog.model(), "freeroll-evening");
        QSignalSpy details(&dialog, &GameListDialogItem::actionDetails);
        dialog.treeView()->setCurrentIndex(dialog.model()->index(row, 1));
        dialog.slotClicked(dialog.model()->index(row, 1));
        QCOMPARE(details.size(), 1);
        QCOMPARE(details.first().at(0).toString(), QString("freeroll-evening"));
        QCOMPARE(details.first().at(1).value<const QObject*>(), &dialog);

        dialog.slotDetailsResult(
            finished(m_client.get(), "freerollDetails", {QString("freeroll-evening")}).get());
        QVERIFY2(dialog.detailsText().startsWith("Evening Freeroll"), qPrintable(dialog.detailsText()));
        QCOMPARE(dialog.detailsTimerInterval(), 5000);
        dialog.refreshDetails();
        QCOMPARE(details.size(), 2);
        QCOMPARE(details.last().at(0).toString(), QString("freeroll-evening"));

        // An answer for another freeroll is not shown; a failure is.
        const QString shown = dialog.detailsText();
        dialog.slotDetailsResult(
            finished(m_client.get(), "freerollDetails", {QString("freeroll-omaha")}).get());
        QCOMPARE(dialog.detailsText(), shown);
        m_script = {500};
        auto broken = finished(m_scriptedClient.get(), "freerollDetails", {QString("freeroll-evening")});
        QVERIFY(broken->hasError());
        dialog.slotDetailsResult(broken.get());
        QCOMPARE(dialog.detailsText(), QString("Load details failed..."));
    }

    void theSideButtonsAct()
    {
        Scene scene;
        DefaultTheme theme;
        auto* dialog = static_cast<GameListDialogItem*>(theme.createGameListDialogItem(nullptr, {}, &scene));
        QVERIFY(dialog && dialog->scene() == &scene);
        QVERIFY(dialog->sceneBoundingRect().right() <= 880);
        QSignalSpy quit(dialog, &GameListDialogItem::actionQuit);
        QSignalSpy options(dialog, &GameListDialogItem::actionOptions);
        QSignalSpy history(dialog, &GameListDialogItem::actionHandHistory);
        QStringList texts;
        for (QGraphicsItem* item : scene.items()) {
            if (auto* button = dynamic_cast<PushButtonItem*>(item); button && button->parentItem() != dialog)
                texts << button->text();
        }
        for (QGraphicsItem* item : scene.items()) {
            auto* button = dynamic_cast<PushButtonItem*>(item);
            if (button && button->parentItem() != dialog && button->text() != QLatin1String("Cashier"))
                button->click();
        }
        QCOMPARE(quit.size(), 1);
        QCOMPARE(options.size(), 1);
        QCOMPARE(history.size(), 1);
        delete dialog;
        // The side buttons went with the lobby.
        for (QGraphicsItem* item : scene.items())
            QVERIFY(!dynamic_cast<PushButtonItem*>(item));
    }

    void screenshots()
    {
        Scene scene;
        DefaultTheme theme;
        scene.setBackgroundBrush(QColor(0x10, 0x2a, 0x22));
        auto* dialog = static_cast<GameListDialogItem*>(theme.createGameListDialogItem(nullptr, {}, &scene));
        QGraphicsView view(&scene);
        view.resize(1024, 768);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        dialog->slotGameList(finished(m_client.get(), "gameList").get());
        dialog->treeView()->setCurrentIndex(dialog->model()->index(1, 1));
        const auto shoot = [&](const QString& name) {
            for (int ratio : {1, 2}) {
                QImage image(QSize(1024, 768) * ratio, QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::black);
                QPainter painter(&image);
                scene.render(&painter, QRectF(0, 0, 1024, 768), scene.sceneRect());
                painter.end();
                QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/%1-%2x.png").arg(name).arg(ratio)));
                QSet<QRgb> colours;
                for (int y = 0; y < image.height(); y += 4) {
                    for (int x = 0; x < image.width(); x += 4)
                        colours.insert(image.pixel(x, y));
                }
                QVERIFY(colours.size() > 40);
            }
        };
        shoot(QStringLiteral("lobby-cash"));
        dialog->slotTabBarChanged(1);
        dialog->slotFreerollList(finished(m_client.get(), "freerollList").get());
        const int row = rowOf(dialog->model(), "freeroll-evening");
        dialog->treeView()->setCurrentIndex(dialog->model()->index(row, 1));
        dialog->slotClicked(dialog->model()->index(row, 1));
        dialog->slotDetailsResult(
            finished(m_client.get(), "freerollDetails", {QString("freeroll-evening")}).get());
        shoot(QStringLiteral("lobby-freerolls"));
    }
};

QTEST_MAIN(TestGameListDialogItem)
#include "tst_gamelistdialogitem.moc"
