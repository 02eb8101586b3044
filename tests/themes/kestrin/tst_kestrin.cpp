// The partner theme's own parts: its resources shadowing the program's, its
// defaults, and the tile lobby filled from the local server and from
// scripted answers that no server should send.
#include "abstractpokertablescene.h"
#include "chinesegamelistdialogitem.h"
#include "chinesegamescenesidebuttons.h"
#include "client.h"
#include "gamegriditem.h"
#include "gamelistimagemanager.h"
#include "infodialogitem.h"
#include "lobbytestsupport.h"
#include "localresources.h"
#include "playeritem.h"
#include "pokerdprocess.h"
#include "pushbuttonitem.h"
#include "scriptedhttpserver.h"
#include "servercommand.h"
#include "theme.h"
#include "webkitbridge.h"
#include "webpaneitem.h"
#include "xmlrpc/response.h"

#include <QApplication>
#include <QBuffer>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QGraphicsView>
#include <QPainter>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace VeskGames;

namespace {

using LobbyTest::finished;
using LobbyTest::Scene;

QVariantMap game(const QString& id, const QVariant& imageId = 1, int players = 2)
{
    return {{"id", id},          {"name", id},         {"type", 0x1001},   {"currency", QString("EUR")},
            {"limit", 1},        {"stakeMin", 0.5},    {"stakeMax", 1.0},  {"ante", 0.0},
            {"seats", 6},        {"players", players}, {"buyinMin", 20.0}, {"buyinMax", 100.0},
            {"imageId", imageId}};
}

QByteArray png(const QColor& colour)
{
    QImage image(48, 20, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QStringList tileIds(const ChineseGameListDialogItem& dialog)
{
    QStringList ids;
    for (int i = 0; i < ChineseGameListDialogItem::TileCount; ++i)
        ids << dialog.tile(i)->gameId();
    return ids;
}

} // namespace

class TestKestrin : public QObject
{
    Q_OBJECT

    QTemporaryDir m_data;
    PokerdProcess m_pokerd;
    std::unique_ptr<Client> m_client;
    ScriptedHttpServer m_scripted;
    QVariantList m_games;                   ///< what the scripted server lists
    QMap<int, QByteArray> m_scriptedImages; ///< what it answers "getImage" with
    bool m_broken = false;                  ///< answer with a server error instead
    std::unique_ptr<Client> m_scriptedClient;
    std::unique_ptr<Theme> m_theme;

    static std::unique_ptr<Client> connectedClient(quint16 port)
    {
        auto client = std::make_unique<Client>();
        client->connect();
        client->setHost(QStringLiteral("127.0.0.1"), port);
        return client;
    }

    std::unique_ptr<ServerCommand> scriptedList() { return finished(m_scriptedClient.get(), "gameList"); }

public Q_SLOTS:
    // Stands in for the system browser.
    void openInBrowser(const QUrl& url) { m_opened.append(url); }

private:
    QList<QUrl> m_opened;

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("vesk-tests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_kestrin"));
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<Theme>();
        QVERIFY(m_pokerd.start(m_data.filePath("pokerd")));
        m_client = connectedClient(m_pokerd.port());
        const QString digest =
            QString::fromLatin1(QCryptographicHash::hash("demo", QCryptographicHash::Sha1).toHex());
        auto login =
            finished(m_client.get(), "authenticate",
                     {1, QStringList{"demo2", digest, "ff:ff:ff:ff:ff:02", "demo"}, QString("en_US"), 0});
        QVERIFY(!login->hasError());

        m_scripted.setHandler([this](const ScriptedHttpServer::Received& request) {
            if (m_broken) {
                ScriptedHttpServer::Reply broken;
                broken.status = 500;
                broken.reason = "Broken";
                return broken;
            }
            xmlrpc::Variant answer{QVariantList()};
            if (request.body.contains("<methodName>gameList</methodName>")) {
                answer = xmlrpc::Variant(m_games);
            } else if (request.body.contains("<methodName>getImageList</methodName>")) {
                QVariantList list;
                for (auto it = m_scriptedImages.cbegin(); it != m_scriptedImages.cend(); ++it)
                    list << QVariantMap{{"id", it.key()}, {"name", QStringLiteral("tile%1").arg(it.key())}};
                answer = xmlrpc::Variant(list);
            } else if (request.body.contains("<methodName>getImage</methodName>")) {
                for (auto it = m_scriptedImages.cbegin(); it != m_scriptedImages.cend(); ++it) {
                    if (request.body.contains(QStringLiteral("<int>%1</int>").arg(it.key()).toLatin1()))
                        answer = xmlrpc::Variant(QVariantMap{{"image", it.value()}});
                }
            }
            return ScriptedHttpServer::xml(xmlrpc::Response(answer).toXml());
        });
        QVERIFY(m_scripted.listen());
        m_scriptedClient = connectedClient(m_scripted.port());
    }

    void cleanupTestCase() { m_theme.reset(); }

    void resourcesComeFromTheTheme_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"/gamelist/header.html", "/gamelist/background.png", "/gamelist/highlighted.png",
              "/gamelist/game_disabled.png", "/gamelist/tilefont.ttf", "/login/background.png",
              "/login/register_button.png", "/buyin/background.png"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void resourcesComeFromTheTheme()
    {
        QFETCH(QString, name);
        const QString path = LocalResources::resourcePath(name, QMetaType(QMetaType::QString));
        QVERIFY2(path.startsWith(QLatin1String(":/kestrin/")), qPrintable(path));
    }

    void theProgramsCopiesOnceTheThemeIsGone()
    {
        {
            Theme second;
            QVERIFY(LocalResources::searchPaths().startsWith(QStringLiteral(":/kestrin")));
        }
        // One theme gone, the other keeps its place first.
        QVERIFY(LocalResources::searchPaths().contains(QStringLiteral(":/kestrin")));
        m_theme.reset();
        QVERIFY(!LocalResources::searchPaths().contains(QStringLiteral(":/kestrin")));
        QVERIFY(!LocalResources::resourcePath("/gamelist/highlighted.png", QMetaType(QMetaType::QString))
                     .startsWith(QLatin1String(":/kestrin/")));
        m_theme = std::make_unique<Theme>();
    }

    void amountsKeepTheirCents()
    {
        // The partner's files ask for amounts without decimals; money is
        // still never rounded: half a unit stays half a unit.
        const QVariant below = m_theme->defaultSettings().value("amountDecimalsBelow");
        QCOMPARE(below.toInt(), 0);
        qApp->setProperty("iniamountdecimalsbelow", below);
        const auto reset = qScopeGuard([] { qApp->setProperty("iniamountdecimalsbelow", QVariant()); });
        PlayerItem seat;
        seat.setTheme(m_theme.get());
        seat.setPlayerStack(0.5);
        QCOMPARE(seat.subItemText(PlayerItemBase::SubItemStack), QString("0.50"));
        seat.setPlayerStack(12);
        QCOMPARE(seat.subItemText(PlayerItemBase::SubItemStack), QString("12"));
    }

    void sideButtonsWithTheLinks()
    {
        Scene scene;
        std::unique_ptr<AbstractGameSceneSideButtons> buttons(m_theme->createGameSceneSideButton());
        buttons->setScene(&scene);
        QStringList shown;
        for (PushButtonItem* button : buttons->sideButtons()) {
            if (button->isVisible())
                shown << button->text();
        }
        QCOMPARE(shown, (QStringList{"Options", "Sit Out", "Buy Chips", "Close", "New\npromotions",
                                     "Poker\nschool"}));
        // In a tournament's payout the links give way rather than a table button.
        buttons->setButtonVisible(AbstractGameSceneSideButtons::Payout, true);
        QVERIFY(buttons->sideButton(AbstractGameSceneSideButtons::Payout)->isVisible());
        QVERIFY(!buttons->sideButton(AbstractGameSceneSideButtons::PokerSchool)->isVisible());
    }

    void linksOpenOnlyWebPages_data()
    {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<bool>("opens");
        QTest::newRow("the partner's page") << "https://www.example.org/promotions" << true;
        QTest::newRow("plain http") << "http://www.example.org/promotions" << true;
        QTest::newRow("not set") << "" << false;
        QTest::newRow("a local file") << "file:///etc/passwd" << false;
        QTest::newRow("a script") << "javascript:alert(1)" << false;
        QTest::newRow("nonsense") << "ht tp://::" << false;
    }

    void linksOpenOnlyWebPages()
    {
        QFETCH(QString, configured);
        QFETCH(bool, opens);
        Scene scene;
        std::unique_ptr<AbstractGameSceneSideButtons> buttons(m_theme->createGameSceneSideButton());
        buttons->setScene(&scene);
        for (const char* scheme : {"http", "https", "file", "javascript"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openInBrowser");
        m_opened.clear();
        qApp->setProperty("iniurlnewpromotions", configured);
        buttons->sideButton(AbstractGameSceneSideButtons::NewPromotions)->click();
        qApp->setProperty("iniurlnewpromotions", QVariant());
        for (const char* scheme : {"http", "https", "file", "javascript"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        QCOMPARE(m_opened.size(), opens ? 1 : 0);
        if (opens)
            QCOMPARE(m_opened.first(), QUrl(configured));
    }

    void tilesFromTheServer()
    {
        Scene scene;
        auto* dialog = qobject_cast<ChineseGameListDialogItem*>(
            m_theme->createGameListDialogItem(m_client.get(), {}, &scene));
        QVERIFY(dialog);
        GameListImageManager::instance()->setClient(m_client.get());
        auto list = finished(m_client.get(), "gameList");
        QVERIFY(!list->hasError());
        dialog->slotGameList(list.get());
        const QVariantList records = list->result().toList();
        QVERIFY(records.size() >= 3);
        // In the server's order, as many as there are places; the rest empty and disabled.
        for (int i = 0; i < ChineseGameListDialogItem::TileCount; ++i) {
            GameGridItem* tile = dialog->tile(i);
            if (i < records.size()) {
                QCOMPARE(tile->gameId(), records.at(i).toMap().value("id").toString());
                QVERIFY(tile->isEnabled());
                QVERIFY(tile->imageId() > 0);
            } else {
                QVERIFY(!tile->hasGame());
                QVERIFY(!tile->isEnabled());
            }
        }
        // Every tile gets its picture, fetched or from the cache.
        for (int i = 0; i < records.size() && i < ChineseGameListDialogItem::TileCount; ++i)
            QTRY_VERIFY_WITH_TIMEOUT(!dialog->tile(i)->image().isNull(), 10000);
        QVERIFY(dialog->isListTimerActive());
        // What a seat costs, in the money signs of the rest of the lobby.
        QStringList buyins;
        for (int i = 0; i < records.size() && i < ChineseGameListDialogItem::TileCount; ++i)
            buyins << dialog->tile(i)->textLines().filter("Buy-in");
        QVERIFY2(buyins.contains(QString::fromUtf8("Buy-in \u20ac40 - \u20ac200")),
                 qPrintable(buyins.join('|')));
        QVERIFY2(buyins.contains(QString::fromUtf8("Buy-in \u20ac10 + \u20ac1")),
                 qPrintable(buyins.join('|')));

        // A click on a tile chooses it; Join asks for that game's table.
        QGraphicsView view(&scene);
        view.resize(1024, 768);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(!dialog->joinButton()->isEnabled());
        const QVariantMap second = records.at(1).toMap();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.mapFromScene(dialog->tile(1)->sceneBoundingRect().center()));
        QCOMPARE(dialog->selectedGameId(), second.value("id").toString());
        QVERIFY(dialog->tile(1)->isSelected());
        QSignalSpy join(dialog, &ChineseGameListDialogItem::actionJoin);
        dialog->joinButton()->click();
        QCOMPARE(join.size(), 1);
        QCOMPARE(join.at(0).at(0).toString(), second.value("id").toString());
        QCOMPARE(join.at(0).at(1).toDouble(), second.value("buyinMin").toDouble());
        QCOMPARE(join.at(0).at(2).toDouble(), second.value("buyinMax").toDouble());
        QCOMPARE(join.at(0).at(3).toString(), second.value("currency").toString());
        QCOMPARE(join.at(0).at(4).toInt(), second.value("type").toInt());
        // An empty place takes no click.
        if (records.size() < ChineseGameListDialogItem::TileCount) {
            QTest::mouseClick(
                view.viewport(), Qt::LeftButton, {},
                view.mapFromScene(
                    dialog->tile(ChineseGameListDialogItem::TileCount - 1)->sceneBoundingRect().center()));
            QCOMPARE(dialog->selectedGameId(), second.value("id").toString());
        }
        // The keyboard: Enter on a tile with the focus joins it.
        dialog->tile(0)->setFocus();
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(join.size(), 2);
        QCOMPARE(join.at(1).at(0).toString(), records.at(0).toMap().value("id").toString());

        // The greeting page in its band, drawn over the dialog's background.
        QTRY_VERIFY_WITH_TIMEOUT(dialog->header()->isLoaded(), 30000);
        QTest::qWait(1000);
        for (const qreal scale : {1.0, 2.0}) {
            QImage image(QSize(1024, 768) * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(QColor(20, 10, 10));
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            scene.render(&painter, QRectF(0, 0, 1024, 768), scene.sceneRect());
            painter.end();
            QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/kestrin-lobby-%1x.png").arg(int(scale))));
        }
        delete dialog;
    }

    void theGreetingFollowsTheStoredAvatar_data()
    {
        QTest::addColumn<QVariantMap>("shown");    ///< the settings the lobby is made with
        QTest::addColumn<QVariantMap>("arriving"); ///< the settings loaded after it
        QTest::addColumn<int>("avatar");
        QTest::newRow("loaded after the lobby") << QVariantMap{} << QVariantMap{{"avatarId", "4"}} << 4;
        QTest::newRow("changed") << QVariantMap{{"avatarId", 2}} << QVariantMap{{"avatarId", 7}} << 7;
        QTest::newRow("none stored") << QVariantMap{{"avatarId", 2}} << QVariantMap{{"sound", "true"}} << -1;
        QTest::newRow("not a number") << QVariantMap{} << QVariantMap{{"avatarId", "<b>"}} << -1;
        QTest::newRow("negative") << QVariantMap{} << QVariantMap{{"avatarId", -3}} << -1;
    }

    void theGreetingFollowsTheStoredAvatar()
    {
        QFETCH(QVariantMap, shown);
        QFETCH(QVariantMap, arriving);
        QFETCH(int, avatar);
        ChineseGameListDialogItem dialog(shown);
        QCOMPARE(dialog.bridge()->avatarId(), shown.value("avatarId", -1).toInt());
        QSignalSpy changed(dialog.bridge(), &WebkitBridge::avatarChanged);
        dialog.setUserSettings(arriving);
        QCOMPARE(dialog.bridge()->avatarId(), avatar);
        // The page hears of it only when the avatar is another one.
        QCOMPARE(changed.size(), avatar != shown.value("avatarId", -1).toInt() ? 1 : 0);
    }

    void recordsNoServerShouldSend_data()
    {
        QTest::addColumn<QVariantList>("games");
        QTest::addColumn<QStringList>("tiles"); ///< the ids on the first tiles
        QVariantList many;
        QStringList twelve;
        for (int i = 0; i < 15; ++i) {
            many << game(QStringLiteral("g%1").arg(i));
            if (i < ChineseGameListDialogItem::TileCount)
                twelve << QStringLiteral("g%1").arg(i);
        }
        QTest::newRow("more games than places") << many << twelve;
        QVariantMap noId = game("x");
        noId.remove("id");
        QTest::newRow("a record without an id") << QVariantList{noId, game("a")} << QStringList{"a"};
        QTest::newRow("entries that are not records")
            << QVariantList{QString("junk"), 7, game("a"), QVariantList{1, 2}} << QStringList{"a"};
        QVariantMap noImage = game("a");
        noImage.remove("imageId");
        QTest::newRow("picture ids missing, wrong or absurd")
            << QVariantList{noImage, game("b", QString("seven")), game("c", -4), game("d", 99999)}
            << QStringList{"a", "b", "c", "d"};
        QTest::newRow("a negative player count") << QVariantList{game("a", 1, -3)} << QStringList{"a"};
    }

    void recordsNoServerShouldSend()
    {
        QFETCH(QVariantList, games);
        QFETCH(QStringList, tiles);
        m_games = games;
        Scene scene;
        ChineseGameListDialogItem dialog({});
        dialog.setClient(m_scriptedClient.get());
        scene.addItem(&dialog);
        GameListImageManager::instance()->setClient(m_scriptedClient.get());
        auto list = scriptedList();
        dialog.slotGameList(list.get());
        QStringList expected = tiles;
        while (expected.size() < ChineseGameListDialogItem::TileCount)
            expected << QString();
        QCOMPARE(tileIds(dialog), expected);
        for (int i = 0; i < tiles.size(); ++i) {
            GameGridItem* tile = dialog.tile(i);
            QVERIFY(tile->isEnabled());
            QVERIFY(!tile->textLines().isEmpty());
            for (const QString& line : tile->textLines())
                QVERIFY2(!line.contains(QLatin1String("-3")), qPrintable(line));
        }
        // Painting any of them is safe.
        QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        scene.render(&painter);
        painter.end();
        scene.removeItem(&dialog);
    }

    void aPictureThatIsNotOne()
    {
        m_games = {game("a", 41), game("b", 42)};
        m_scriptedImages = {{41, QByteArray("GIF89a but not really, just bytes")}, {42, png(Qt::darkGreen)}};
        ChineseGameListDialogItem dialog({});
        dialog.setClient(m_scriptedClient.get());
        GameListImageManager::instance()->setClient(m_scriptedClient.get());
        auto list = scriptedList();
        dialog.slotGameList(list.get());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.tile(1)->image().isNull(), 10000);
        QVERIFY(dialog.tile(0)->image().isNull());
        QVERIFY(dialog.tile(0)->isEnabled());
        m_scriptedImages.clear();
    }

    void theChosenGameStaysChosen()
    {
        m_games = {game("a"), game("b"), game("c")};
        ChineseGameListDialogItem dialog({});
        auto list = scriptedList();
        dialog.slotGameList(list.get());
        Q_EMIT dialog.tile(2)->itemSelected(dialog.tile(2));
        QCOMPARE(dialog.selectedGameId(), QStringLiteral("c"));
        // Listed elsewhere: still chosen, at its new place.
        m_games = {game("c"), game("a")};
        list = scriptedList();
        dialog.slotGameList(list.get());
        QCOMPARE(dialog.selectedGameId(), QStringLiteral("c"));
        QVERIFY(dialog.tile(0)->isSelected());
        QVERIFY(!dialog.tile(2)->isSelected());
        // Gone: nothing is chosen and Join has nothing to ask for.
        m_games = {game("a")};
        list = scriptedList();
        dialog.slotGameList(list.get());
        QVERIFY(dialog.selectedGameId().isEmpty());
        QVERIFY(!dialog.joinButton()->isEnabled());
        QSignalSpy join(&dialog, &ChineseGameListDialogItem::actionJoin);
        dialog.slotJoin();
        QCOMPARE(join.size(), 0);
    }

    void sitAndGoTilesRegister()
    {
        QVariantMap sng = game("s");
        sng.insert("type", 0x2001);
        m_games = {game("a"), sng};
        ChineseGameListDialogItem dialog({});
        auto list = scriptedList();
        dialog.slotGameList(list.get());
        Q_EMIT dialog.tile(1)->itemSelected(dialog.tile(1));
        QVERIFY(!dialog.joinButton()->isEnabled());
        QVERIFY(dialog.registerButton()->isEnabled());
        QSignalSpy reg(&dialog, &ChineseGameListDialogItem::actionRegister);
        QSignalSpy unreg(&dialog, &ChineseGameListDialogItem::actionUnregister);
        dialog.registerButton()->click();
        dialog.unregisterButton()->click();
        QCOMPARE(reg.size(), 1);
        QCOMPARE(reg.at(0).at(0).toString(), QStringLiteral("s"));
        QCOMPARE(unreg.size(), 1);
    }

    void aFailedRefreshKeepsTheTiles()
    {
        m_games = {game("a"), game("b")};
        ChineseGameListDialogItem dialog({});
        auto list = scriptedList();
        dialog.slotGameList(list.get());
        m_broken = true;
        auto failed = scriptedList();
        m_broken = false;
        QVERIFY(failed->hasError());
        dialog.slotGameList(failed.get());
        QCOMPARE(dialog.tile(1)->gameId(), QStringLiteral("b"));
        QVERIFY(dialog.isListTimerActive());
    }
};

int main(int argc, char** argv)
{
    // The lobby's greeting page: the web engine shares the widgets' drawing context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestKestrin test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_kestrin.moc"
