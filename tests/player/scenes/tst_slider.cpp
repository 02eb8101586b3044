// The bet slider: which amounts its positions stand for, and how page steps
// walk between them one small blind at a time.
#include "slider.h"

#include <QSignalSpy>
#include <QTest>

using namespace VeskGames;

using Amounts = QVector<double>;

class TestSlider : public QObject
{
    Q_OBJECT

    static double lastValue(const QSignalSpy& spy)
    {
        return spy.isEmpty() ? -1 : spy.last().at(0).toDouble();
    }

private Q_SLOTS:
    void ticks_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("small");
        QTest::addColumn<double>("big");
        QTest::addColumn<Amounts>("start"); // the first amounts
        QTest::addColumn<int>("count");

        QTest::newRow("blinds 1/2 from 4 to 100")
            << 4.0 << 100.0 << 1.0 << 2.0 << Amounts{4, 6, 8, 10, 15, 20, 25, 30, 40, 50, 60, 70, 80, 90, 100}
            << 15;
        // A step that does not meet a threshold goes past it.
        QTest::newRow("blinds 1/4") << 4.0 << 40.0 << 1.0 << 4.0 << Amounts{4, 8, 12, 22, 32, 40} << 6;
        QTest::newRow("all-in is the only amount") << 50.0 << 50.0 << 1.0 << 2.0 << Amounts{50} << 1;
        QTest::newRow("a maximum below the minimum") << 50.0 << 20.0 << 1.0 << 2.0 << Amounts{50} << 1;
        QTest::newRow("a tiny stack: the last step is capped")
            << 0.02 << 0.05 << 0.01 << 0.02 << Amounts{0.02, 0.04, 0.05} << 3;
        // Without blinds and ante no step would reach the maximum: the range is shared out.
        QTest::newRow("no step at all") << 0.0 << 10.0 << 0.0 << 0.0 << Amounts{0} << 301;
        QTest::newRow("a huge stack with a tiny blind")
            << 0.02 << 1.0e9 << 0.01 << 0.02 << Amounts{0.02, 0.04} << -1;
        QTest::newRow("a minimum beyond every threshold")
            << 10000.0 << 12000.0 << 1.0 << 2.0 << Amounts{10000, 11000, 12000} << 3;
    }

    void ticks()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, small);
        QFETCH(double, big);
        QFETCH(Amounts, start);
        QFETCH(int, count);
        const Amounts ticks = Slider::ticksFor(min, max, small, big);
        QVERIFY(ticks.size() >= start.size());
        for (int i = 0; i < start.size(); ++i)
            QVERIFY2(qAbs(ticks.at(i) - start.at(i)) < 1e-9,
                     qPrintable(QString("tick %1 is %2, not %3").arg(i).arg(ticks.at(i)).arg(start.at(i))));
        if (count >= 0)
            QCOMPARE(ticks.size(), count);
        // Always a few hundred positions at most, rising, from the minimum to the maximum.
        QVERIFY(ticks.size() <= 7 * 60 + 300 + 1);
        for (int i = 1; i < ticks.size(); ++i)
            QVERIFY(ticks.at(i) > ticks.at(i - 1));
        QCOMPARE(ticks.first(), min);
        QCOMPARE(ticks.last(), std::max(min, max));
    }

    void settingValuesStartsAtTheMinimum()
    {
        Slider slider;
        QSignalSpy values(&slider, &Slider::sliderValueChanged);
        slider.setValues(4, 100, 1, 2);
        QCOMPARE(slider.minimum(), 0);
        QCOMPARE(slider.maximum(), 14);
        QCOMPARE(slider.value(), 0);
        QCOMPARE(values.size(), 1);
        QCOMPARE(lastValue(values), 4.0);
        slider.setValue(5);
        QCOMPARE(lastValue(values), 20.0);
        QCOMPARE(slider.sliderValue(), 20.0);
    }

    void pageSteps_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<QString>("steps"); // + up, - down
        QTest::addColumn<Amounts>("shown");
        QTest::addColumn<double>("position"); // the tick the slider stands at in the end

        // From 10 the next tick is 15: one small blind at a time, then the tick itself.
        QTest::newRow("up to the next tick") << 10.0 << "+++++" << Amounts{11, 12, 13, 14, 15} << 15.0;
        QTest::newRow("up across a tick") << 8.0 << "+++" << Amounts{9, 10, 11} << 10.0;
        QTest::newRow("down below a tick") << 15.0 << "--" << Amounts{14, 13} << 15.0;
        QTest::newRow("down to the tick before") << 15.0 << "-----" << Amounts{14, 13, 12, 11, 10} << 10.0;
        QTest::newRow("nothing below the minimum") << 4.0 << "-" << Amounts{} << 4.0;
        QTest::newRow("back down to the minimum") << 4.0 << "+-" << Amounts{5, 4} << 4.0;
        QTest::newRow("and no further") << 4.0 << "++---" << Amounts{5, 6, 5, 4} << 4.0;
        QTest::newRow("nothing above the maximum") << 100.0 << "+" << Amounts{} << 100.0;
        QTest::newRow("back up to the maximum") << 100.0 << "-++" << Amounts{99, 100} << 100.0;
    }

    void pageSteps()
    {
        QFETCH(double, from);
        QFETCH(QString, steps);
        QFETCH(Amounts, shown);
        QFETCH(double, position);
        Slider slider;
        slider.setValues(4, 100, 1, 2);
        slider.setSliderValue(from);
        QCOMPARE(slider.sliderValue(), from);
        QSignalSpy values(&slider, &Slider::sliderValueChanged);
        QSignalSpy sounds(&slider, &Slider::playSound);
        for (const QChar step : steps) {
            if (step == '+')
                slider.pageStepAdd();
            else
                slider.pageStepSub();
        }
        Amounts seen;
        for (const QVariantList& signal : values)
            seen.append(signal.at(0).toDouble());
        if (!shown.isEmpty() && seen.size() == shown.size() + 1)
            shown.insert(0, from); // a step down from the top first shows where it stands
        QCOMPARE(seen.mid(seen.size() - shown.size()), shown);
        QCOMPARE(slider.ticks().at(slider.value()), position);
        QVERIFY(std::all_of(sounds.cbegin(), sounds.cend(),
                            [](const QVariantList& s) { return s.at(0) == 1044; }));
        QCOMPARE(sounds.size(), seen.size());
    }

    void setSliderValueFindsItsTick_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("tick");
        QTest::newRow("a tick") << 25.0 << 25.0;
        QTest::newRow("between two") << 27.0 << 25.0;
        QTest::newRow("just under a tick") << 29.9999995 << 30.0;
        QTest::newRow("below the minimum") << 1.0 << 4.0;
        QTest::newRow("above the maximum") << 500.0 << 100.0;
    }

    void setSliderValueFindsItsTick()
    {
        QFETCH(double, value);
        QFETCH(double, tick);
        Slider slider;
        slider.setValues(4, 100, 1, 2);
        QSignalSpy values(&slider, &Slider::sliderValueChanged);
        slider.setSliderValue(value);
        QCOMPARE(slider.ticks().at(slider.value()), tick);
        QCOMPARE(slider.sliderValue(), value);
        QCOMPARE(values.size(), 1);
        QCOMPARE(lastValue(values), value);
    }

    void withoutASmallBlindAPageStepIsATick()
    {
        Slider slider;
        slider.setValues(10, 50, 0, 10);
        slider.pageStepAdd();
        QCOMPARE(slider.sliderValue(), slider.ticks().at(1));
        slider.pageStepSub();
        QCOMPARE(slider.sliderValue(), 10.0);
    }
};

QTEST_MAIN(TestSlider)
#include "tst_slider.moc"
