// Recorded hands played again on the table: the record read back into the
// table's events, and the table after any way of stepping through them the
// same as after playing them, with every chip where the record puts it.
#include "defaulttheme.h"
#include "handrecordreader.h"
#include "handrecords.h"
#include "handreplay.h"
#include "handreplayer.h"
#include "localresources.h"
#include "playergamescene.h"
#include "replaycontroller.h"
#include "replaywindow.h"
#include "screenshots.h"
#include "tablestatefeed.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <cmath>

using namespace VeskGames;

namespace {

QStringList shippedRecords()
{
    QFile file(QStringLiteral(DATA_DIR "/three-hands.json"));
    QStringList records;
    QString error;
    if (!file.open(QIODevice::ReadOnly) || !HandRecordReader::read(file.readAll(), &records, &error))
        qWarning("cannot read the recorded hands: %s", qPrintable(error));
    return records;
}

/// What the table shows, without the controller's batch count.
QJsonObject tableState(HandReplayer* replayer)
{
    QJsonObject state = TableStateFeed::snapshot(*replayer->controller()->scene(), 0, QVariant());
    state.remove(QStringLiteral("batch"));
    return state;
}

/// Each seat's chips at the end of the hand, worked out from the record alone.
QMap<int, double> finalStacks(const HandReplay& replay)
{
    QMap<int, double> stacks;
    for (const QVariantMap& seat : replay.setup()) {
        if (seat.contains("userName"))
            stacks[seat.value("position").toInt() - 1] = seat.value("userStack").toDouble();
    }
    for (const QVariantMap& event : replay.steps()) {
        const int seat = event.value("position").toInt() - 1;
        for (const char* paid :
             {"postSmall", "postBig", "postAnte", "actionCall", "actionBet", "actionRaise", "actionAllIn"}) {
            if (event.contains(paid))
                stacks[seat] -= event.value(paid).toDouble();
        }
        if (event.contains("potReturnUncalled"))
            stacks[seat] += event.value("potReturnUncalled").toDouble();
        for (const QVariant& share : event.value("potGive").toList()) {
            const QVariantMap entry = share.toMap();
            stacks[entry.value("position").toInt() - 1] += entry.value("amount").toDouble();
        }
    }
    return stacks;
}

} // namespace

class TestHandReplay : public QObject
{
    Q_OBJECT

    std::unique_ptr<DefaultTheme> m_theme;

    /// Waits for the table to show the last step given to it.
    static bool shown(HandReplayer* replayer)
    {
        return QTest::qWaitFor([replayer] { return replayer->isShown(); }, 10000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
        QVERIFY(!shippedRecords().isEmpty());
    }

    void cleanupTestCase() { m_theme.reset(); }

    void readsTheRecordBackIntoEvents()
    {
        const QList<QVariantMap> events = {
            {{"event", "gameParameters"},
             {"seats", 4},
             {"type", 0x1001},
             {"limit", 1},
             {"stakeMin", 1},
             {"stakeMax", 2},
             {"currency", "EUR"}},
            {{"position", 1}, {"userName", "a{b}c"}, {"userStack", 100}},
            {{"position", 2}, {"userName", "\"}{\""}, {"userStack", 50}},
            {{"event", "gameEvent"}, {"handId", 77}, {"timestamp", 1000}},
            {{"event", "gameEvent"}, {"position", 2}, {"dealHole", "00"}, {"timestamp", 1000}},
            {{"event", "gameEvent"}, {"position", 2}, {"dealHole", "00"}, {"timestamp", 1000}},
            {{"event", "gameEvent"}, {"position", 1}, {"dealHole", "0a"}, {"timestamp", 1000}},
            {{"event", "gameEvent"}, {"position", 1}, {"dealHole", "33"}, {"timestamp", 1000}},
            {{"event", "gameRequest"}},
            {{"event", "gameEvent"}, {"position", 2}, {"actionFold", true}, {"timestamp", 1009}},
            {{"event", "gameEvent"}, {"dealCommunity", "0102030405"}, {"timestamp", 1010}},
        };
        QString error;
        const HandReplay replay = HandReplay::fromRecord(recordOf(events), &error);
        QVERIFY2(replay.isValid(), qPrintable(error));
        // Braces and quotes inside names do not cut an event.
        QCOMPARE(replay.setup().size(), 3);
        QCOMPARE(replay.setup().at(2).value("userName").toString(), QString("\"}{\""));
        // Every seat of the record takes part in the hand.
        QCOMPARE(replay.setup().at(1).value("userStatus").toInt(), 1);
        QCOMPARE(replay.handId(), qint64(77));
        QCOMPARE(replay.localPlayer(), QString("a{b}c"));
        // A seat's cards come together, as bytes; the viewer's mark is gone.
        QCOMPARE(replay.stepCount(), 5);
        QCOMPARE(replay.steps().at(1).value("dealHole").toByteArray(), QByteArray(2, '\0'));
        QCOMPARE(replay.steps().at(2).value("dealHole").toByteArray(), QByteArray::fromHex("0a33"));
        QCOMPARE(replay.steps().at(4).value("dealCommunity").toByteArray(),
                 QByteArray::fromHex("0102030405"));
        for (const QVariantMap& step : replay.steps())
            QCOMPARE(step.value("event").toString(), QString("gameEvent"));
        // Rests follow the clock, within bounds.
        QCOMPARE(replay.pauseBefore(1), HandReplay::MinimumPauseMs);
        QCOMPARE(replay.pauseBefore(3), HandReplay::MaximumPauseMs);
        QCOMPARE(replay.pauseBefore(4), 1000);
    }

    void refusesWhatIsNoHand_data()
    {
        QTest::addColumn<QString>("record");
        QTest::newRow("empty") << "";
        QTest::newRow("no parameters") << R"({"position":1,"userName":"a","userStack":1})";
        QTest::newRow("cut short") << R"({"event":"gameParameters","seats":2}{"handId":1)";
        QTest::newRow("text between") << R"({"event":"gameParameters","seats":2} and {"handId":1})";
        QTest::newRow("odd cards") << R"({"event":"gameParameters","seats":2}{"dealCommunity":"0a1"})";
        QTest::newRow("cards not hex") << R"({"event":"gameParameters","seats":2}{"actionShow":"zz"})";
        QTest::newRow("not JSON") << R"({"event":"gameParameters","seats":2}{handId:1})";
        QTest::newRow("two games") << R"({"event":"gameParameters"}{"event":"gameParameters"})";
        QTest::newRow("foreign event") << R"({"event":"gameParameters"}{"event":"authenticate","ok":true})";
    }

    void refusesWhatIsNoHand()
    {
        QFETCH(QString, record);
        QString error;
        QVERIFY(!HandReplay::fromRecord(record, &error).isValid());
        QVERIFY(!error.isEmpty());
    }

    void everyWayThroughTheHandEndsAlike_data()
    {
        QTest::addColumn<QString>("record");
        const QStringList records = shippedRecords();
        for (qsizetype i = 0; i < records.size(); ++i)
            QTest::addRow("hand %d", int(i + 1)) << records.at(i);
    }

    void everyWayThroughTheHandEndsAlike()
    {
        QFETCH(QString, record);
        QString error;
        const HandReplay replay = HandReplay::fromRecord(record, &error);
        QVERIFY2(replay.isValid(), qPrintable(error));
        QVERIFY(replay.stepCount() > 5);
        PokerTableView view;
        HandReplayer replayer(replay, &view, m_theme.get());
        replayer.setSpeed(HandReplayer::MaximumSpeed);
        QVERIFY(shown(&replayer));
        QCOMPARE(replayer.position(), 0);

        // Forward one step at a time, each animated as at the live table.
        QList<QJsonObject> states{tableState(&replayer)};
        for (int step = 1; step <= replay.stepCount(); ++step) {
            replayer.stepForward();
            QVERIFY(shown(&replayer));
            QCOMPARE(replayer.position(), step);
            states.append(tableState(&replayer));
        }
        QCOMPARE(replayer.position(), replay.stepCount());

        // The chips where the record says they went.
        const QMap<int, double> stacks = finalStacks(replay);
        const QJsonArray seats = states.last().value("seats").toArray();
        QCOMPARE(seats.size(), stacks.size());
        for (const QJsonValue& seat : seats) {
            const int position = seat["seat"].toInt();
            QVERIFY2(std::abs(seat["stack"].toDouble() - stacks.value(position)) < 0.005,
                     qPrintable(QStringLiteral("seat %1: %2 shown, %3 recorded")
                                    .arg(position)
                                    .arg(seat["stack"].toDouble())
                                    .arg(stacks.value(position))));
        }
        // The player sees their own cards, the others' lie face down until shown.
        const QJsonObject local = [&] {
            for (const QJsonValue& seat : seats) {
                if (seat["name"].toString() == replay.localPlayer())
                    return seat.toObject();
            }
            return QJsonObject();
        }();
        QVERIFY(!replay.localPlayer().isEmpty());
        QCOMPARE(replayer.controller()->scene()->viewPosition(), local["seat"].toInt());

        // Backwards, each step rebuilt from the start, meets the same tables.
        for (int step = replay.stepCount() - 1; step >= qMax(0, replay.stepCount() - 6); --step) {
            replayer.stepBack();
            QVERIFY(shown(&replayer));
            QCOMPARE(replayer.position(), step);
            QCOMPARE(tableState(&replayer), states.at(step));
        }
        // A jump to any step meets it too, and so does the end after it.
        const int middle = replay.stepCount() / 2;
        replayer.seek(middle);
        QVERIFY(shown(&replayer));
        QCOMPARE(tableState(&replayer), states.at(middle));
        replayer.seek(replay.stepCount());
        QVERIFY(shown(&replayer));
        QCOMPARE(tableState(&replayer), states.last());
    }

    void playsByItselfToTheEnd()
    {
        const HandReplay replay = HandReplay::fromRecord(shippedRecords().first());
        ReplayWindow window(replay, m_theme.get());
        HandReplayer* replayer = window.replayer();
        QVERIFY(shown(replayer));
        const QJsonObject start = tableState(replayer);
        QSignalSpy playing(replayer, &HandReplayer::playingChanged);
        replayer->setSpeed(100); // kept within bounds
        QCOMPARE(replayer->speed(), HandReplayer::MaximumSpeed);
        window.playButton()->click();
        QCOMPARE(window.playButton()->text(), QString("Pause"));
        const int timeout = 120000;
        QTRY_VERIFY_WITH_TIMEOUT(!replayer->isPlaying(), timeout);
        QCOMPARE(replayer->position(), replay.stepCount());
        QCOMPARE(playing.size(), 2);
        QCOMPARE(window.playButton()->text(), QString("Play"));
        QCOMPARE(window.positionSlider()->value(), replay.stepCount());
        QVERIFY(!window.forwardButton()->isEnabled());
        QCOMPARE(window.positionLabel()->text(), QString("Step %1 of %1").arg(replay.stepCount()));

        // The controls drive the same table: the slider back to the start shows it as it began.
        window.positionSlider()->setValue(0);
        QVERIFY(shown(replayer));
        QCOMPARE(tableState(replayer), start);
        QVERIFY(!window.backButton()->isEnabled());
        window.forwardButton()->click();
        QVERIFY(shown(replayer));
        QCOMPARE(replayer->position(), 1);
        // A dragged handle moves the table where it is let go, not on the way.
        window.positionSlider()->setSliderDown(true);
        window.positionSlider()->setValue(3);
        QCOMPARE(replayer->position(), 1);
        window.positionSlider()->setSliderDown(false);
        QCOMPARE(replayer->position(), 3);
        // From the end, play starts over.
        replayer->seek(replay.stepCount());
        replayer->play();
        QCOMPARE(replayer->position(), 0);
        replayer->pause();
        window.speedBox()->setCurrentIndex(0);
        Q_EMIT window.speedBox()->activated(0);
        QCOMPARE(replayer->speed(), HandReplayer::MinimumSpeed);
    }

    void screenshot()
    {
        const HandReplay replay = HandReplay::fromRecord(shippedRecords().first());
        ReplayWindow window(replay, m_theme.get());
        window.resize(1024, 800);
        window.show();
        HandReplayer* replayer = window.replayer();
        replayer->seek(replay.stepCount() * 2 / 3);
        QVERIFY(shown(replayer));
        // Cards are rendered in the background at each size when first drawn.
        for (int pass = 0; pass < 3; ++pass) {
            for (const qreal scale : {1.0, 2.0}) {
                QImage warm(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
                warm.setDevicePixelRatio(scale);
                window.render(&warm);
            }
            QTest::qWait(300);
        }
        QVERIFY(TestSupport::saveScreenshots(window.size(),
                                             QStringLiteral(SCREENSHOT_DIR "/hand-replay-%1x.png"),
                                             [&](QPainter* painter) { window.render(painter); }));
    }
};

QTEST_MAIN(TestHandReplay)
#include "tst_handreplay.moc"
