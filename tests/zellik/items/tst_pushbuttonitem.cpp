#include "abstracttheme.h"
#include "defaulttheme.h"
#include "drawutils.h"
#include "gamescenesidebuttons.h"
#include "labelitem.h"
#include "lobbysidebuttons.h"
#include "pushbuttonitem.h"

#include <QFontInfo>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace VeskGames;

namespace {

void mouse(QGraphicsScene& scene, PushButtonItem* button, QEvent::Type type, const QPointF& at)
{
    QGraphicsSceneMouseEvent event(type);
    event.setButton(Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMousePress ? Qt::LeftButton : Qt::NoButton);
    event.setPos(at);
    event.setScenePos(button->mapToScene(at));
    event.setAccepted(false);
    scene.sendEvent(button, &event);
}

bool key(QGraphicsScene& scene, PushButtonItem* button, QEvent::Type type, int code, bool repeat = false)
{
    QKeyEvent event(type, code, Qt::NoModifier, QString(), repeat);
    event.setAccepted(false);
    scene.sendEvent(button, &event);
    return event.isAccepted();
}

} // namespace

class TestPushButtonItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mouseAndKeys_data()
    {
        // What the user does: p press, r release inside, o release outside,
        // c click(), d disable, and for keys S/s Space down/up, R/r the same
        // auto-repeated.
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QList<bool>>("toggles");
        QTest::addColumn<int>("sounds");
        QTest::newRow("press, release inside") << false << "pr" << 1 << QList<bool>{} << 1;
        QTest::newRow("press inside, release outside") << false << "po" << 0 << QList<bool>{} << 1;
        QTest::newRow("checkable, out and back") << true << "po" << 0 << QList<bool>{} << 1;
        QTest::newRow("checkable clicked twice") << true << "prpr" << 2 << QList<bool>{true, false} << 2;
        QTest::newRow("click()") << true << "c" << 1 << QList<bool>{true} << 0;
        QTest::newRow("click() while disabled") << false << "dc" << 0 << QList<bool>{} << 0;
        QTest::newRow("space") << false << "Ss" << 1 << QList<bool>{} << 1;
        QTest::newRow("space held down") << false << "SRRrRrs" << 1 << QList<bool>{} << 1;
        QTest::newRow("a release without a press") << false << "r" << 0 << QList<bool>{} << 0;
    }

    void mouseAndKeys()
    {
        QFETCH(bool, checkable);
        QFETCH(QString, actions);
        QFETCH(int, clicks);
        QFETCH(QList<bool>, toggles);
        QFETCH(int, sounds);
        QGraphicsScene scene;
        auto* button = new PushButtonItem;
        scene.addItem(button);
        button->resize(100, 40);
        button->setCheckable(checkable);
        QSignalSpy clicked(button, &PushButtonItem::clicked);
        QSignalSpy toggled(button, &PushButtonItem::toggled);
        QSignalSpy played(button, &PushButtonItem::playSound);
        for (const QChar a : actions) {
            switch (a.toLatin1()) {
            case 'p':
                mouse(scene, button, QEvent::GraphicsSceneMousePress, QPointF(50, 20));
                QVERIFY(button->isPressed());
                break;
            case 'r':
                mouse(scene, button, QEvent::GraphicsSceneMouseRelease, QPointF(60, 30));
                break;
            case 'o':
                mouse(scene, button, QEvent::GraphicsSceneMouseRelease, QPointF(150, 30));
                break;
            case 'c':
                button->click();
                break;
            case 'd':
                button->setEnabled(false);
                break;
            case 'S':
                QVERIFY(key(scene, button, QEvent::KeyPress, Qt::Key_Space));
                break;
            case 's':
                QVERIFY(key(scene, button, QEvent::KeyRelease, Qt::Key_Space));
                break;
            case 'R':
                key(scene, button, QEvent::KeyPress, Qt::Key_Space, true);
                break;
            }
        }
        QVERIFY(!button->isPressed());
        QCOMPARE(clicked.size(), clicks);
        QList<bool> seen;
        for (const QList<QVariant>& args : std::as_const(toggled))
            seen.append(args.at(0).toBool());
        QCOMPARE(seen, toggles);
        QCOMPARE(played.size(), sounds);
        for (const QList<QVariant>& args : std::as_const(played))
            QCOMPARE(args.at(0).toInt(), int(AbstractTheme::AudioButtonPressed));
        // Other keys are left to the scene.
        QVERIFY(!key(scene, button, QEvent::KeyPress, Qt::Key_A));
    }

    void textShrinksToFit_data()
    {
        QTest::addColumn<qreal>("width");
        QTest::addColumn<bool>("shrinks");
        QTest::newRow("wide button") << qreal(400) << false;
        QTest::newRow("narrow button") << qreal(90) << true;
        QTest::newRow("very narrow button") << qreal(30) << true;
    }

    void textShrinksToFit()
    {
        QFETCH(qreal, width);
        QFETCH(bool, shrinks);
        PushButtonItem button;
        QFont font;
        font.setPixelSize(20);
        button.setFont(font);
        button.setText(QStringLiteral("Sit Out Next Hand"));
        button.setTextOffsets(-3, 0);
        button.setPressOffsets(2, 2);
        button.setFontScaling(true);
        button.resize(width, 40);
        const QFont used = button.textFont();
        QCOMPARE(used.pixelSize() < 20, shrinks);
        const qreal room = width - 2 * 3 - 2 * 2;
        const auto textWidth = [&](int pixels) {
            QFont f = font;
            f.setPixelSize(pixels);
            return DrawUtils::makePath(f, button.text()).boundingRect().width();
        };
        if (used.pixelSize() > 1)
            QVERIFY(textWidth(used.pixelSize()) <= room);
        // One pixel larger would not have fitted: nothing shrunk more than needed.
        if (shrinks)
            QVERIFY(textWidth(used.pixelSize() + 1) > room);
        // A wider button later takes the full size again.
        button.resize(1000, 40);
        QCOMPARE(button.textFont().pixelSize(), 20);
    }

    void checkedTextWhileChecked()
    {
        PushButtonItem button;
        button.setCheckable(true);
        button.setText(QStringLiteral("Auto"));
        button.setCheckedText(QStringLiteral("Auto and then a much longer text"));
        button.setFontScaling(true);
        button.resize(80, 30);
        const int unchecked = QFontInfo(button.textFont()).pixelSize();
        button.click();
        QVERIFY(button.isChecked());
        QVERIFY(button.textFont().pixelSize() < unchecked);
    }

    void labelSizeFollowsTheText()
    {
        LabelItem label;
        QFont font;
        font.setPixelSize(16);
        label.setFont(font);
        label.setText(QStringLiteral("Pot"));
        const QSizeF small = label.effectiveSizeHint(Qt::PreferredSize);
        label.setText(QStringLiteral("Pot: 1,234.50\nSide pot: 12.00"));
        const QSizeF large = label.effectiveSizeHint(Qt::PreferredSize);
        QVERIFY(large.width() > small.width() && large.height() > small.height());
        label.setFixedHeight(10);
        QCOMPARE(label.effectiveSizeHint(Qt::PreferredSize).height(), 10.0);
        QCOMPARE(label.effectiveSizeHint(Qt::MaximumSize).height(), 10.0);
    }

    void labelPaintsInsideItsBounds_data()
    {
        // Room given by a layout, possibly less than the text needs.
        QTest::addColumn<QSizeF>("room");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("penWidth");
        QTest::newRow("room enough") << QSizeF(200, 40) << int(Qt::AlignCenter) << 0;
        QTest::newRow("too low") << QSizeF(200, 4) << int(Qt::AlignCenter) << 0;
        QTest::newRow("too narrow") << QSizeF(12, 40) << int(Qt::AlignCenter) << 0;
        QTest::newRow("nothing at all") << QSizeF(0, 0) << int(Qt::AlignCenter) << 0;
        QTest::newRow("too narrow, left") << QSizeF(12, 40) << int(Qt::AlignLeft | Qt::AlignVCenter) << 0;
        QTest::newRow("too low, bottom") << QSizeF(200, 4) << int(Qt::AlignBottom | Qt::AlignHCenter) << 0;
        QTest::newRow("too low, outlined") << QSizeF(200, 4) << int(Qt::AlignCenter) << 4;
    }

    void labelPaintsInsideItsBounds()
    {
        QFETCH(QSizeF, room);
        QFETCH(int, alignment);
        QFETCH(int, penWidth);
        LabelItem label;
        QFont font;
        font.setPixelSize(22);
        font.setBold(true);
        label.setFont(font);
        label.setText(QStringLiteral("LOGIN"));
        label.setAlignment(Qt::Alignment(alignment));
        if (penWidth > 0) {
            label.setPen(QPen(Qt::black, penWidth));
            label.setOutlinedText(true);
        }
        label.resize(room);
        QImage image(600, 300, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        const QPoint origin(300, 150);
        {
            QPainter painter(&image);
            painter.translate(origin);
            label.paint(&painter, nullptr, nullptr);
        }
        // Whatever was drawn lies inside what the item says it covers, so
        // that moving it repaints all of it.
        const QRectF bounds = label.boundingRect().translated(origin);
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) == 0)
                    continue;
                ++inked;
                QVERIFY2(bounds.contains(QPointF(x + 0.5, y + 0.5)),
                         qPrintable(QStringLiteral("ink at %1,%2 outside %3,%4 %5x%6")
                                        .arg(x - origin.x())
                                        .arg(y - origin.y())
                                        .arg(bounds.x() - origin.x())
                                        .arg(bounds.y() - origin.y())
                                        .arg(bounds.width())
                                        .arg(bounds.height())));
            }
        }
        QVERIFY(inked > 50);
    }

    void sideButtonsFillThePlaces_data()
    {
        QTest::addColumn<bool>("lobby");
        QTest::addColumn<QList<int>>("hidden");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("table") << false << QList<int>{}
                               << QStringList{"Options", "Sit Out", "Buy Chips", "Close"};
        QTest::newRow("table, sitting out") << false << QList<int>{AbstractGameSceneSideButtons::SitOut}
                                            << QStringList{"Options", "Buy Chips", "Close"};
        QTest::newRow("lobby") << true << QList<int>{}
                               << QStringList{"Cashier", "Hand\nHistory", "Options", "Quit"};
    }

    void sideButtonsFillThePlaces()
    {
        QFETCH(bool, lobby);
        QFETCH(QList<int>, hidden);
        QFETCH(QStringList, expected);
        QGraphicsScene scene;
        DefaultTheme theme;
        std::unique_ptr<AbstractGameSceneSideButtons> set;
        if (lobby)
            set = std::make_unique<LobbySideButtons>(&scene, &theme);
        else
            set = std::make_unique<GameSceneSideButtons>(&scene, &theme);
        for (int type : hidden)
            set->setButtonVisible(AbstractGameSceneSideButtons::SideButtonType(type), false);
        const QList<AbstractTheme::ItemPosition> places = set->itemPositions();
        QStringList shown;
        for (PushButtonItem* button : set->sideButtons()) {
            QCOMPARE(button->scene(), &scene);
            if (!button->isVisible())
                continue;
            // The visible ones in order, on the places from the top.
            QCOMPARE(button->pos(), theme.itemPosition(places.at(shown.size())));
            QVERIFY(!button->size().isEmpty());
            shown.append(button->text());
        }
        QCOMPARE(shown, expected);
        // A click goes out as its button's action.
        QSignalSpy actions(set.get(), &AbstractGameSceneSideButtons::sideButtonClicked);
        set->sideButton(AbstractGameSceneSideButtons::Options)->click();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.first().at(0).value<AbstractGameSceneSideButtons::SideButtonType>(),
                 AbstractGameSceneSideButtons::Options);
        QVERIFY(!set->sideButton(lobby ? AbstractGameSceneSideButtons::Close
                                       : AbstractGameSceneSideButtons::Quit));
    }

    // The theme makes the table's set before the table exists; the table then
    // takes it into its scene, and a set never placed cleans up after itself.
    void theThemesSetMovesIntoTheTable()
    {
        DefaultTheme theme;
        std::unique_ptr<AbstractGameSceneSideButtons> set(theme.createGameSceneSideButton());
        QVERIFY(set);
        QVERIFY(!set->sideButtons().isEmpty());
        for (PushButtonItem* button : set->sideButtons())
            QCOMPARE(button->scene(), nullptr);
        QGraphicsScene first;
        QGraphicsScene second;
        set->setScene(&first);
        set->setScene(&second);
        const QList<AbstractTheme::ItemPosition> places = set->itemPositions();
        int shown = 0;
        for (PushButtonItem* button : set->sideButtons()) {
            QCOMPARE(button->scene(), &second);
            if (button->isVisible())
                QCOMPARE(button->pos(), theme.itemPosition(places.at(shown++)));
        }
        QVERIFY(first.items().isEmpty());
        QVERIFY(shown > 0);
        set.reset();
        QVERIFY(second.items().isEmpty());
        // Never placed: its buttons go with it (the sanitizer run would report a leak).
        std::unique_ptr<AbstractGameSceneSideButtons> unused(theme.createGameSceneSideButton());
    }
};

QTEST_MAIN(TestPushButtonItem)
#include "tst_pushbuttonitem.moc"
