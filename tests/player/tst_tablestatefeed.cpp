// The table state feed: what the scene shows, as one JSON line per batch.
#include "abstractplayeritem.h"
#include "card.h"
#include "defaulttheme.h"
#include "gamescene.h"
#include "localresources.h"
#include "tablestatefeed.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace VeskGames;

class TestTableStateFeed : public QObject
{
    Q_OBJECT

    std::unique_ptr<DefaultTheme> m_theme;

private Q_SLOTS:
    void initTestCase()
    {
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
    }

    void cleanupTestCase() { m_theme.reset(); }

    void cardTexts_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("text");
        QTest::newRow("ace of hearts") << "hA"
                                       << "Ah";
        QTest::newRow("ten of diamonds") << "dT"
                                         << "Td";
        QTest::newRow("seven of clubs") << "c7"
                                        << "7c";
        QTest::newRow("king of spades") << "sK"
                                        << "Ks";
        QTest::newRow("two") << "s2"
                             << "2s";
    }

    void cardTexts()
    {
        QFETCH(QString, card);
        QFETCH(QString, text);
        QCOMPARE(TableStateFeed::cardText(Card(card)), text);
        QCOMPARE(TableStateFeed::cardText(Card(Card::Back, 0)), QString("??"));
        QCOMPARE(TableStateFeed::cardText(Card()), QString("??"));
    }

    void whatTheTableShows()
    {
        GameScene scene(m_theme.get());
        scene.setPlayerCount(6);
        scene.setupScene();
        scene.setPlayerData(0, "anna", -1, 100, 1, QString());
        scene.setPlayerData(2, "bert", -1, 50.25, 1, QString());
        scene.setPlayerData(4, "carla", -1, 80, 2, QString());
        for (int free : {1, 3, 5})
            scene.seat(free)->setAvailable(true);
        scene.setLocalPlayer("anna");
        scene.setDealer(2, 0);
        scene.postSmall(0, 0.5, 0);
        scene.postSmall(2, 1, 0);
        scene.dealHole(0, {Card("hA"), Card("sK")}, 0);
        scene.dealHole(2, {Card(Card::Back, 0), Card(Card::Back, 0)}, 0);
        scene.bettingDone({1.5}, {0}, 0);
        scene.dealCommunity({Card("hQ"), Card("dT"), Card("c7")}, 0);
        scene.postSmall(0, 3.1, 0);
        scene.seat(2)->setAction(AbstractPlayerItem::ActionFold, 0);

        const QJsonObject state = TableStateFeed::snapshot(scene, 7, 1234);
        QCOMPARE(state.value("batch").toInt(), 7);
        QCOMPARE(state.value("handId").toInt(), 1234);
        QCOMPARE(state.value("dealer").toInt(), 2);
        QCOMPARE(state.value("board").toArray(), (QJsonArray{"Qh", "Td", "7c"}));
        QCOMPARE(state.value("pots").toArray(), (QJsonArray{1.5}));
        const QJsonArray seats = state.value("seats").toArray();
        QCOMPARE(seats.size(), 3); // only the occupied ones
        const QJsonObject anna = seats.at(0).toObject();
        QCOMPARE(anna.value("seat").toInt(), 0);
        QCOMPARE(anna.value("name").toString(), QString("anna"));
        QCOMPARE(anna.value("stack").toDouble(), 96.4); // to the cent, no float noise
        QCOMPARE(anna.value("bet").toDouble(), 3.1);
        QCOMPARE(anna.value("cards").toArray(), (QJsonArray{"Ah", "Ks"}));
        QCOMPARE(anna.value("folded").toBool(), false);
        const QJsonObject bert = seats.at(1).toObject();
        QCOMPARE(bert.value("cards").toArray(), (QJsonArray{"??", "??"}));
        QCOMPARE(bert.value("folded").toBool(), true);
        QCOMPARE(bert.value("stack").toDouble(), 49.25);
        const QJsonObject carla = seats.at(2).toObject();
        QCOMPARE(carla.value("sittingOut").toBool(), true);
        QCOMPARE(carla.value("cards").toArray(), QJsonArray());
        // No hand known: null, not a number.
        QVERIFY(TableStateFeed::snapshot(scene, 8, QVariant()).value("handId").isNull());
    }

    void oneLinePerBatch()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("state.jsonl");
        QVERIFY(TableStateFeed::append(path, QJsonObject{{"batch", 1}}));
        QVERIFY(TableStateFeed::append(path, QJsonObject{{"batch", 2}}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 3); // two lines and the end
        QCOMPARE(QJsonDocument::fromJson(lines.at(1)).object().value("batch").toInt(), 2);
        QVERIFY(!TableStateFeed::append(dir.filePath("no/such/folder/state.jsonl"), QJsonObject()));
        qputenv("VESK_TABLE_STATE", path.toLocal8Bit());
        QCOMPARE(TableStateFeed::pathFromEnvironment(), path);
        qunsetenv("VESK_TABLE_STATE");
        QVERIFY(TableStateFeed::pathFromEnvironment().isEmpty());
    }
};

QTEST_MAIN(TestTableStateFeed)
#include "tst_tablestatefeed.moc"
