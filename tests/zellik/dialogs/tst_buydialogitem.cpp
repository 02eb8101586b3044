// The buy-in dialog: its arithmetic, its three choosers, its timer, and
// the contract with an external display standing in for the chooser.
#include "buydialogitem.h"
#include "buyinrange.h"
#include "defaulttheme.h"
#include "kioskbetter.h"
#include "localresources.h"
#include "pushbuttonitem.h"
#include "textutils.h"
#include "thinclientbetter.h"

#include <QApplication>
#include <QCheckBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

using namespace VeskGames;

/// Stands in for the external component that draws the chooser.
class ExternalDisplay : public QObject
{
    Q_OBJECT

Q_SIGNALS:
    void sliderValueChanged(qreal value);
};

class TestBuyDialogItem : public QObject
{
    Q_OBJECT

    std::unique_ptr<DefaultTheme> m_theme;

    std::unique_ptr<BuyDialogItem> dialog(AbstractTheme::SliderMode mode = AbstractTheme::SliderPlain)
    {
        return std::make_unique<BuyDialogItem>(QStringLiteral("holdem-nl-050-1"), mode,
                                               m_theme->chipRenderThread(), m_theme.get());
    }

private Q_SLOTS:
    void initTestCase()
    {
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
    }

    void cleanupTestCase() { m_theme.reset(); }

    void ranges_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("balance");
        QTest::addColumn<double>("stack");
        QTest::addColumn<double>("lowest");
        QTest::addColumn<double>("highest");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("canBuy");
        const QString allowed = "Amount of chips allowed at table";
        QTest::newRow("balance caps it") << 20.0 << 100.0 << 50.0 << 0.0 << 20.0 << 50.0 << allowed << true;
        QTest::newRow("table caps it") << 20.0 << 100.0 << 500.0 << 0.0 << 20.0 << 100.0 << allowed << true;
        QTest::newRow("too little money") << 20.0 << 100.0 << 10.0 << 0.0 << 20.0 << 10.0
                                          << "Unable to rebuy due to limited balance" << false;
        QTest::newRow("already at the top")
            << 20.0 << 100.0 << 500.0 << 100.0 << 0.0 << 0.0 << allowed << false;
        QTest::newRow("over the top")
            << 20.0 << 100.0 << 500.0 << 120.0 << 0.0 << -20.0 << "Unable to rebuy due to big stack" << false;
        QTest::newRow("topping up") << 20.0 << 100.0 << 500.0 << 30.0 << 0.0 << 70.0 << allowed << false;
        QTest::newRow("cents") << 0.5 << 2.5 << 1.2 << 0.0 << 0.5 << 1.2 << allowed << true;
    }

    void ranges()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, balance);
        QFETCH(double, stack);
        QFETCH(double, lowest);
        QFETCH(double, highest);
        QFETCH(QString, line);
        QFETCH(bool, canBuy);
        const BuyinRange range = BuyinRange::compute(min, max, balance, stack);
        QCOMPARE(range.lowest, lowest);
        QCOMPARE(range.highest, highest);
        auto buy = dialog();
        buy->setStakes(0.5, 1, "EUR");
        buy->setValues(min, max, balance, stack);
        QCOMPARE(buy->descriptionText(), line);
        QCOMPARE(buy->okButton()->isEnabled(), canBuy);
        QCOMPARE(buy->slider()->isEnabled(), !buy->isInError());
        QVERIFY(buy->rangeText().contains(QString("\u20ac%1").arg(TextUtils::doubleToString(min))));
        QCOMPARE(buy->balanceText(), TextUtils::doubleToString(balance));
        if (!buy->isInError()) {
            QCOMPARE(buy->slider()->minimum(), qRound(lowest * 100));
            QCOMPARE(buy->slider()->maximum(), qRound(highest * 100));
        }
        QSignalSpy bought(buy.get(), &BuyDialogItem::buyin);
        buy->okButton()->click();
        QCOMPARE(bought.size(), canBuy ? 1 : 0);
    }

    void sliderRounding_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("amount");
        QTest::newRow("between: whole steps down") << 1000 << 2000 << 1234 << 12.0;
        QTest::newRow("at the maximum: exactly") << 1000 << 1234 << 1234 << 12.34;
        QTest::newRow("at the minimum: exactly") << 1050 << 2000 << 1050 << 10.5;
        QTest::newRow("never below the minimum") << 1050 << 2000 << 1099 << 10.5;
        QTest::newRow("on a step") << 0 << 5000 << 300 << 3.0;
    }

    void sliderRounding()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(double, amount);
        QCOMPARE(BuyinRange::sliderAmount(value, minimum, maximum, 100), amount);
        // The same through the dialog, from the slider to the signal.
        auto buy = dialog();
        buy->setValues(minimum / 100.0, maximum / 100.0, 1000, 0);
        buy->slider()->setValue(value);
        QCOMPARE(buy->amountText(), TextUtils::doubleToString(amount));
        QSignalSpy bought(buy.get(), &BuyDialogItem::buyin);
        buy->okButton()->click();
        QCOMPARE(bought.size(), 1);
        QCOMPARE(bought.first().at(0).toDouble(), amount);
        QCOMPARE(buy->slider()->singleStep(), 100);
        QCOMPARE(buy->slider()->pageStep(), 200);
    }

    void kioskChips_data()
    {
        QTest::addColumn<double>("bigBlind");
        QTest::addColumn<QList<double>>("chips");
        QTest::newRow("0.02") << 0.02 << QList<double>{0.01, 0.05, 1, 5};
        QTest::newRow("0.1") << 0.1 << QList<double>{0.05, 0.25, 1, 5};
        QTest::newRow("0.19") << 0.19 << QList<double>{0.05, 0.25, 1, 5};
        QTest::newRow("0.2") << 0.2 << QList<double>{0.05, 1, 5, 25};
        QTest::newRow("0.5") << 0.5 << QList<double>{0.25, 1, 5, 25};
        QTest::newRow("1") << 1.0 << QList<double>{1, 5, 25, 100};
        QTest::newRow("29.99") << 29.99 << QList<double>{1, 5, 25, 100};
        QTest::newRow("30") << 30.0 << QList<double>{5, 25, 100, 500};
        QTest::newRow("100") << 100.0 << QList<double>{25, 100, 500, 1000};
        QTest::newRow("200") << 200.0 << QList<double>{100, 500, 1000, 5000};
        QTest::newRow("1000") << 1000.0 << QList<double>{500, 1000, 5000, 25000};
        QTest::newRow("2000") << 2000.0 << QList<double>{1000, 5000, 25000, 100000};
        QTest::newRow("a million") << 1e6 << QList<double>{1000, 5000, 25000, 100000};
    }

    void kioskChips()
    {
        QFETCH(double, bigBlind);
        QFETCH(QList<double>, chips);
        QCOMPARE(KioskBetter::chipValuesFor(bigBlind), chips);
        // Every chip offered is one the theme can draw.
        for (double chip : chips)
            QVERIFY2(m_theme->chipIndex(chip) >= 0, qPrintable(QString::number(chip)));
    }

    void kioskArithmetic()
    {
        auto buy = dialog(AbstractTheme::SliderKiosk);
        KioskBetter* kiosk = buy->kioskBetter();
        QVERIFY(kiosk && !buy->slider()->isVisibleTo(nullptr));
        buy->setStakes(0.5, 1, "EUR");
        buy->setValues(20, 100, 50, 0);
        QCOMPARE(kiosk->sliderValue(), 20.0);
        QCOMPARE(kiosk->chipValues(), (QList<double>{1, 5, 25, 100}));
        kiosk->slotButtonClicked(1); // 5 is not above 20: added
        QCOMPARE(kiosk->sliderValue(), 25.0);
        kiosk->slotButtonClicked(3); // 100 is above: the new amount, held at the top
        QCOMPARE(kiosk->sliderValue(), 50.0);
        for (int i = 0; i < KioskBetter::ChipCount; ++i)
            QVERIFY(!kiosk->isChipEnabled(i));
        kiosk->slotMin();
        QCOMPARE(kiosk->sliderValue(), 20.0);
        QVERIFY(kiosk->isChipEnabled(0));
        kiosk->slotMax();
        QCOMPARE(buy->amountText(), QString("50"));
        QSignalSpy bought(buy.get(), &BuyDialogItem::buyin);
        buy->okButton()->click();
        QCOMPARE(bought.size(), 1);
        QCOMPARE(bought.first().at(0).toDouble(), 50.0);
    }

    void theTimerCancels()
    {
        auto idle = dialog();
        idle->setValues(20, 100, 50, 0);
        QSignalSpy cancelled(idle.get(), &BuyDialogItem::cancel);
        idle->setTimeout(100);
        QVERIFY(cancelled.wait(2000));
        QCOMPARE(cancelled.size(), 1);

        auto quick = dialog();
        quick->setValues(20, 100, 50, 0);
        QSignalSpy quickCancel(quick.get(), &BuyDialogItem::cancel);
        quick->setTimeout(100);
        quick->okButton()->click();
        QVERIFY(!quick->isTimerActive());
        QTest::qWait(250);
        QCOMPARE(quickCancel.size(), 0);
    }

    void automaticRebuy()
    {
        auto buy = dialog();
        buy->setValues(20, 100, 50, 0);
        QSignalSpy toggled(buy.get(), &AbstractBuyDialogItem::automaticReBuyToggled);
        buy->setShowAutomaticRebuy(true, false);
        QCOMPARE(toggled.size(), 0);
        buy->automaticReBuyCheckBox()->setChecked(true);
        QCOMPARE(toggled.size(), 1);
        QCOMPARE(toggled.last().at(0).toBool(), true);
        buy->okButton()->click();
        QCOMPARE(toggled.size(), 2);
        // Not offered: nothing is said about it.
        buy->setShowAutomaticRebuy(false, false);
        buy->cancelButton()->click();
        QCOMPARE(toggled.size(), 2);
    }

    void theCashierButtonFollowsTheConfiguration()
    {
        QVERIFY(!dialog()->cashierButton());
        qApp->setProperty("iniurlbuyin", QStringLiteral("http://127.0.0.1:1/cashier"));
        QVERIFY(dialog()->cashierButton());
        qApp->setProperty("iniurlbuyin", QVariant());
    }

    void anExternalDisplayChooses()
    {
        ExternalDisplay display;
        qApp->setProperty("commObject", QVariant::fromValue<QObject*>(&display));
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* buy = new BuyDialogItem("g", AbstractTheme::SliderThinClient, nullptr, m_theme.get());
        scene.addItem(buy);
        buy->setStakes(1, 2, "EUR");
        buy->setValues(40, 200, 150, 0);
        QGraphicsView view(&scene);
        view.resize(1024, 768);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        ThinClientBetter* thin = buy->thinClientBetter();
        thin->hide();
        thin->show();
        const QVariantMap request = display.property("sliderRequest").toMap();
        QCOMPARE(request.value("type").toString(), QString("buyin"));
        QCOMPARE(request.value("override").toBool(), true);
        QCOMPARE(request.value("min").toDouble(), 40.0);
        QCOMPARE(request.value("max").toDouble(), 150.0);
        QCOMPARE(request.value("bigBlind").toDouble(), 2.0);
        QCOMPARE(request.value("coords").toString().split(',').size(), 4);
        // The display's choice comes back, kept inside the range.
        Q_EMIT display.sliderValueChanged(75);
        QCOMPARE(buy->amountText(), QString("75"));
        Q_EMIT display.sliderValueChanged(900);
        QCOMPARE(buy->amount(), 150.0);
        QSignalSpy bought(buy, &BuyDialogItem::buyin);
        buy->okButton()->click();
        QCOMPARE(bought.first().at(0).toDouble(), 150.0);
        thin->hide();
        QCOMPARE(display.property("sliderRequest").toMap(), (QVariantMap{{"type", "buyin"}}));
        qApp->setProperty("commObject", QVariant());
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("buyin-slider") << int(AbstractTheme::SliderPlain);
        QTest::newRow("buyin-kiosk") << int(AbstractTheme::SliderKiosk);
    }

    void screenshots()
    {
        QFETCH(int, mode);
        QGraphicsScene scene(0, 0, 1024, 768);
        scene.setBackgroundBrush(QColor(17, 90, 70));
        auto* buy = static_cast<BuyDialogItem*>(
            m_theme->createBuyDialogItem("holdem-nl-050-1", AbstractTheme::SliderMode(mode), nullptr));
        scene.addItem(buy);
        buy->setStakes(0.5, 1, "EUR");
        buy->setValues(20, 100, 87.5, 0);
        buy->setShowAutomaticRebuy(true, true);
        buy->centerDialog();
        if (buy->kioskBetter())
            buy->kioskBetter()->slotButtonClicked(2);
        else
            buy->slider()->setValue(4550);
        QCoreApplication::processEvents();
        const QRectF area = buy->sceneBoundingRect().adjusted(-20, -20, 20, 20);
        for (int pass = 0; pass < 2; ++pass) { // the chips render in the background
            for (int ratio : {1, 2}) {
                QImage image((area.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::black);
                QPainter painter(&image);
                scene.render(&painter, QRectF(QPointF(), area.size()), area);
                painter.end();
                QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/%1-%2x.png")
                                       .arg(QLatin1String(QTest::currentDataTag()))
                                       .arg(ratio)));
            }
            QTest::qWait(300);
        }
    }
};

QTEST_MAIN(TestBuyDialogItem)
#include "tst_buydialogitem.moc"
