#include "themedgraphicswidget.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QTest>

using VeskGames::AbstractTheme;
using VeskGames::Themeable;
using VeskGames::ThemedGraphicsWidget;

namespace {

/// A themeable item that is not a themed widget and does not pass the theme on.
class RecordingItem : public QGraphicsObject, public Themeable
{
    Q_OBJECT
    Q_INTERFACES(VeskGames::Themeable)

public:
    using QGraphicsObject::QGraphicsObject;
    QRectF boundingRect() const override { return QRectF(0, 0, 1, 1); }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void setTheme(AbstractTheme* theme) override
    {
        received = theme;
        ++calls;
    }

    AbstractTheme* received = nullptr;
    int calls = 0;
};

/// Distinct non-null addresses stand in for themes: nothing is called on them.
AbstractTheme* fakeTheme(int n)
{
    static char storage[4];
    return reinterpret_cast<AbstractTheme*>(&storage[n]);
}

} // namespace

class TestThemedGraphicsWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reachesThemeableDescendantsThroughThemedWidgets()
    {
        QGraphicsScene scene;
        auto* top = new ThemedGraphicsWidget;
        scene.addItem(top);

        auto* direct = new RecordingItem(top);
        auto* middle = new ThemedGraphicsWidget(top);
        auto* grandchild = new RecordingItem(middle);
        auto* plain = new QGraphicsRectItem(top);
        auto* behindPlain = new RecordingItem(plain);
        auto* behindRecorder = new RecordingItem(direct);

        top->setTheme(fakeTheme(1));
        QCOMPARE(top->theme(), fakeTheme(1));
        QCOMPARE(direct->received, fakeTheme(1));
        QCOMPARE(middle->theme(), fakeTheme(1));
        QCOMPARE(grandchild->received, fakeTheme(1));
        // Only themed widgets hand the theme on.
        QCOMPARE(behindPlain->calls, 0);
        QCOMPARE(behindRecorder->calls, 0);

        top->setTheme(nullptr);
        QCOMPARE(grandchild->received, nullptr);
        QCOMPARE(grandchild->calls, 2);
    }
};

QTEST_MAIN(TestThemedGraphicsWidget)
#include "tst_themedgraphicswidget.moc"
