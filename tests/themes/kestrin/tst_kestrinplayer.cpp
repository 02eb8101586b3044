// The program in the partner's look against the local server: from the
// log-in through the tile lobby to a seat at the table.
#include "buydialogitem.h"
#include "chinesegamelistdialogitem.h"
#include "gamegriditem.h"
#include "localresources.h"
#include "playerprogram.h"
#include "pokerdprocess.h"
#include "pushbuttonitem.h"
#include "theme.h"

#include <QPointer>
#include <QTemporaryDir>

using namespace VeskGames;
using PlayerTest::Program;

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

QTEST_MAIN(TestKestrinPlayer)
#include "tst_kestrinplayer.moc"
