// The program in the partner's look against the local server: from the
// log-in through the tile lobby to a seat at the table, and the partner
// portal's first log-in, which asks for a nickname, in Chinese.
#include "chinesebuydialogitem.h"
#include "chinesegamelistdialogitem.h"
#include "configuration.h"
#include "gamegriditem.h"
#include "localresources.h"
#include "playergamescene.h"
#include "playerprogram.h"
#include "playerusernamedialogitem.h"
#include "pokerdprocess.h"
#include "pushbuttonitem.h"
#include "screenshots.h"
#include "tablestatefeed.h"
#include "theme.h"
#include "webpaneitem.h"

#include <QDir>
#include <QJsonArray>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>

using namespace VeskGames;
using PlayerTest::Program;

/// \a view at 1x and 2x into the screenshots folder, as "<name>-<n>x.png".
bool shoot(QGraphicsView* view, const char* name)
{
    return TestSupport::saveScreenshots(view->size(),
                                        QStringLiteral(SCREENSHOT_DIR "/%1-").arg(QLatin1String(name)) +
                                            QStringLiteral("%1x.png"),
                                        [view](QPainter* painter) { view->render(painter); });
}

class TestKestrinPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PokerdProcess m_server;
    std::unique_ptr<Theme> m_theme;

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<VeskGames::PlayerController*>();
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<Theme>();
        QVERIFY(m_server.start(m_dir.filePath("data")));
    }

    void cleanupTestCase() { m_theme.reset(); }

    void cleanup()
    {
        for (const QString& key : Configuration::keys())
            qApp->setProperty(Configuration::propertyName(key), QVariant());
    }

    void aFirstPortalLoginChoosesANicknameInChinese()
    {
        // As start-up publishes them: the theme's defaults under the (empty) files.
        Configuration().publish(qApp, m_theme->defaultSettings());
        QCOMPARE(qApp->property("iniportalpartnername").toString(), QString("kestrin"));
        Program program(m_server.port(), m_theme.get());
        program.controller->slotLanguageChanged(QStringLiteral("zh_CN"));
        program.controller->startUp(true);
        QVERIFY(program.logIn("demo9", "demo"));
        PlayerUsernameDialogItem* nickname = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((nickname = program.top<PlayerUsernameDialogItem>()), 20000);
        PlayerTest::field(nickname, "nicknameEdit")->setText(QStringLiteral("Kestrel9"));
        nickname->slotSave();
        ChineseGameListDialogItem* lobby = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (lobby = program.top<ChineseGameListDialogItem>()) && lobby->tile(0)->hasGame(), 20000);
        QCOMPARE(program.controller->user(), QString("Kestrel9"));
        QCOMPARE(lobby->joinButton()->text(), QString::fromUtf8("加入"));
        QTRY_VERIFY_WITH_TIMEOUT(lobby->header()->isLoaded(), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!lobby->tile(0)->image().isNull(), 10000);
        QTest::qWait(1000);
        QVERIFY(shoot(&program.view, "kestrin-lobby-zh"));

        GameGridItem* tile = nullptr;
        for (int i = 0; i < ChineseGameListDialogItem::TileCount && !tile; ++i) {
            if (lobby->tile(i)->gameId() == QLatin1String("holdem-nl-1-2"))
                tile = lobby->tile(i);
        }
        QVERIFY(tile);
        QSignalSpy created(program.controller.get(), &PlayerController::tableCreated);
        Q_EMIT tile->itemSelected(tile);
        lobby->joinButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(created.size(), 1, 10000);
        QPointer<PlayerController> table = created.first().at(0).value<PlayerController*>();
        ChineseBuyDialogItem* buy = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(table && (buy = qobject_cast<ChineseBuyDialogItem*>(table->topDialog())) &&
                                     !buy->isLoading() && buy->amount() > 0,
                                 20000);
        QCOMPARE(buy->okButton()->text(), QString::fromUtf8("购买筹码"));
        buy->slotBuyin();
        QTRY_VERIFY_WITH_TIMEOUT(table->state() == StateTable && table->parameters().valid, 20000);
        // The tables show the nickname, not the account's name.
        const auto seatedAs = [&](const QString& name) {
            const QJsonArray seats =
                TableStateFeed::snapshot(*table->scene(), 0, QVariant()).value("seats").toArray();
            for (const QJsonValue& seat : seats) {
                if (seat.toObject().value("name").toString() == name)
                    return true;
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(seatedAs(QStringLiteral("Kestrel9")), 20000);
        QVERIFY(!seatedAs(QStringLiteral("demo9")));

        // A hand under way, as a player of the partner edition sees it.
        QTest::qWait(3000);
        QVERIFY(shoot(table->view(), "kestrin-table"));
        program.controller->slotLanguageChanged(QStringLiteral("en_US"));
    }

    void fromTheTilesToASeat()
    {
        Program program(m_server.port(), m_theme.get());
        program.controller->startUp(true);
        QVERIFY(program.logIn("demo8", "demo"));
        ChineseGameListDialogItem* lobby = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (lobby = program.top<ChineseGameListDialogItem>()) && lobby->tile(0)->hasGame(), 20000);
        GameGridItem* tile = nullptr;
        for (int i = 0; i < ChineseGameListDialogItem::TileCount && !tile; ++i) {
            if (lobby->tile(i)->gameId() == QLatin1String("holdem-nl-050-1"))
                tile = lobby->tile(i);
        }
        QVERIFY(tile);
        // The server's picture reaches the tile.
        QTRY_VERIFY_WITH_TIMEOUT(!tile->image().isNull(), 10000);
        QSignalSpy created(program.controller.get(), &PlayerController::tableCreated);
        Q_EMIT tile->itemSelected(tile);
        lobby->joinButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(created.size(), 1, 10000);
        QPointer<PlayerController> table = created.first().at(0).value<PlayerController*>();
        QVERIFY(table);
        BuyDialogItem* buy = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((buy = qobject_cast<BuyDialogItem*>(table->topDialog())) &&
                                     !buy->isLoading() && buy->amount() > 0,
                                 20000);
        buy->slotBuyin();
        QTRY_VERIFY_WITH_TIMEOUT(table->state() == StateTable && table->parameters().valid, 20000);
        // The lobby's tiles keep refreshing behind the table window.
        QTRY_VERIFY_WITH_TIMEOUT(lobby->isListTimerActive(), 15000);
    }
};

int main(int argc, char** argv)
{
    // The partner's pages: the web engine shares the widgets' drawing context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestKestrinPlayer test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_kestrinplayer.moc"
