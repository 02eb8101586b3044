#include "platform/windowraiser.h"
#include "windowactivator.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

using VeskGames::WindowActivator;
using VeskGames::WindowRaiser;

namespace {
class RecordingRaiser : public WindowRaiser
{
public:
    explicit RecordingRaiser(QList<QWidget*>* log) : m_log(log) {}
    void raise(QWidget* window) override { m_log->append(window); }

private:
    QList<QWidget*>* m_log;
};
} // namespace

class TestWindowActivator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstComeFirstRaised()
    {
        QList<QWidget*> raised;
        WindowActivator activator(std::make_unique<RecordingRaiser>(&raised));
        auto* a = new QWidget;
        auto* b = new QWidget;

        activator.activate(a);
        activator.activate(b);
        activator.activate(a); // already listed: not twice
        QCOMPARE(activator.views(), (QList<QWidget*>{a, b}));
        QCOMPARE(raised, (QList<QWidget*>{a, a, a}));

        raised.clear();
        activator.pokerTableViewDeleted(a); // deactivated: b is first now
        QCOMPARE(raised, (QList<QWidget*>{b}));
        activator.pokerTableViewDeleted(a); // not listed: b is raised again
        QCOMPARE(raised, (QList<QWidget*>{b, b}));

        raised.clear();
        activator.activate(a);
        QCOMPARE(raised, (QList<QWidget*>{b}));
        delete b; // a destroyed view leaves the list by itself
        QCOMPARE(activator.views(), (QList<QWidget*>{a}));
        QCOMPARE(raised, (QList<QWidget*>{b, a}));

        raised.clear();
        delete a;
        QVERIFY(activator.views().isEmpty());
        QVERIFY(raised.isEmpty());
    }

    void platformRaiserKeepsTheWindowUnpinned()
    {
        auto raiser = WindowRaiser::create();
        QWidget window;
        window.show();
        raiser->raise(&window);
        QVERIFY(window.isVisible());
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
        raiser->raise(nullptr);
    }
};

QTEST_MAIN(TestWindowActivator)
#include "tst_windowactivator.moc"
