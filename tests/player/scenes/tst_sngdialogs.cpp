// The tournament dialogs over a table: what they say for each result, the
// Sit & Go's terms, the registration's status line, and how they look.
#include "defaulttheme.h"
#include "freerollbusteddialogitem.h"
#include "localresources.h"
#include "playergamescene.h"
#include "sngfinisheddialog.h"
#include "sngregisterdialog.h"

#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace VeskGames;

namespace {

GameParameters sitAndGo()
{
    GameParameters params;
    params.valid = true;
    params.type = 0x2001;
    params.limit = 1;
    params.seats = 3;
    params.stakeMin = 10;
    params.stakeMax = 20;
    params.buyinMin = 10;
    params.buyinMax = 10;
    params.tourBuyinFee = 1;
    params.tourStakeChangeInterval = 300;
    params.tourStartStack = 1500;
    params.tourPayoutValues = {15, 9, 6};
    params.currency = QStringLiteral("EUR");
    return params;
}

} // namespace

class TestSnGDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<DefaultTheme> m_theme;

    std::unique_ptr<PlayerGameScene> table()
    {
        auto scene = std::make_unique<PlayerGameScene>(m_theme.get());
        scene->setSceneRect(0, 0, 1024, 768);
        scene->setPlayerCount(3);
        scene->setupScene();
        scene->setGameParameters(sitAndGo());
        return scene;
    }

    static void picture(QGraphicsScene* scene, const QString& name)
    {
        for (const qreal scale : {1.0, 2.0}) {
            QImage image(QSize(1024, 768) * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::black);
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            scene->render(&painter, QRectF(0, 0, 1024, 768), QRectF(0, 0, 1024, 768));
            painter.end();
            QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/%1-%2x.png").arg(name).arg(int(scale))));
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
    }

    void cleanupTestCase() { m_theme.reset(); }

    void results_data()
    {
        QTest::addColumn<int>("place"); // from 0 for the Sit & Go, from 1 for the freeroll
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("sitAndGo");
        QTest::addColumn<QString>("freeroll");
        QTest::newRow("winner") << 0 << 19.5 << "Congratulations! You finished in 1st place\nand won €19.50!"
                                << "";
        QTest::newRow("second with a prize") << 1 << 10.5 << "You finished in 2nd place\nand won €10.50!"
                                             << "";
        QTest::newRow("out of the money") << 2 << 0.0 << "You finished in 3rd place!"
                                          << "";
        QTest::newRow("a dust prize is none") << 1 << 0.0000001 << "You finished in 2nd place!"
                                              << "";
        QTest::newRow("freeroll winner") << 1 << 100.0 << ""
                                         << "Congratulations!\nYou finished in 1st place and won €100!";
        QTest::newRow("freeroll prize") << 3 << 5.0 << ""
                                        << "You finished in 3rd place and won €5!";
        QTest::newRow("freeroll late place") << 12 << 0.0 << ""
                                             << "You finished in 12 place!";
    }

    void results()
    {
        QFETCH(int, place);
        QFETCH(double, amount);
        QFETCH(QString, sitAndGo);
        QFETCH(QString, freeroll);
        if (!sitAndGo.isEmpty())
            QCOMPARE(SnGFinishedDialog::resultText(place, amount, "EUR"), sitAndGo);
        if (!freeroll.isEmpty())
            QCOMPARE(FreerollBustedDialogItem::resultText(place, amount, "EUR"), freeroll);
    }

    void registrationShowsTheTerms()
    {
        auto scene = table();
        auto* dialog = new SnGRegisterDialog(SnGRegisterDialog::Registration, sitAndGo(), scene.get());
        dialog->setScene(scene.get());
        dialog->setTheme(m_theme.get());
        dialog->setBalance(988.5);
        scene->pushDialog(dialog);
        QCOMPARE(dialog->rowText("Game"), QStringLiteral("NL Sit & Go Texas Hold'em"));
        QCOMPARE(dialog->rowText("Chips"), QStringLiteral("1500"));
        QCOMPARE(dialog->rowText("Periods"), QStringLiteral("5 minutes"));
        // Money as the table and the lobby write it.
        QCOMPARE(dialog->rowText("Buy-in"), QStringLiteral("€10 + €1"));
        QCOMPARE(dialog->rowText("Prizes"), QStringLiteral("1st €15 2nd €9 3rd €6"));
        QCOMPARE(dialog->rowText("Balance"), QStringLiteral("€988.50"));
        picture(scene.get(), QStringLiteral("sng-registration"));
        // A currency without a sign keeps its code rather than losing it.
        GameParameters dollars = sitAndGo();
        dollars.currency = QStringLiteral("USD");
        dialog->setParameters(dollars);
        QCOMPARE(dialog->rowText("Buy-in"), QStringLiteral("10 USD + 1 USD"));
        dialog->setParameters(sitAndGo());

        QSignalSpy registering(dialog, &SnGRegisterDialog::actionRegister);
        QSignalSpy quitting(dialog, &SnGRegisterDialog::actionQuit);
        dialog->registerButton()->click();
        QCOMPARE(registering.size(), 1);
        // No second registration while the first is under way.
        QVERIFY(!dialog->registerButton()->isEnabled());
        dialog->quitButton()->click();
        QCOMPARE(quitting.size(), 1);
    }

    void statusLine_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("ready") << 0 << "";
        QTest::newRow("registration failed") << 1 << "Registration failed";
        QTest::newRow("buy-in failed") << 2 << "Buyin failed";
        QTest::newRow("no funds") << 3 << "No funds available";
    }

    void statusLine()
    {
        QFETCH(int, status);
        QFETCH(QString, text);
        auto scene = table();
        auto* dialog = new SnGRegisterDialog(SnGRegisterDialog::Registration, sitAndGo(), scene.get());
        dialog->setScene(scene.get());
        scene->pushDialog(dialog);
        dialog->registerButton()->click();
        dialog->setStatus(status);
        QCOMPARE(dialog->statusText(), text);
        QCOMPARE(dialog->status(), status);
        // Every answer lets the player try again.
        QVERIFY(dialog->registerButton()->isEnabled());
        QCOMPARE(dialog->registerButton()->text(), QStringLiteral("Register"));
    }

    void informationOnlyCloses()
    {
        auto scene = table();
        auto* dialog = new SnGRegisterDialog(SnGRegisterDialog::Information, sitAndGo(), scene.get());
        dialog->setScene(scene.get());
        scene->pushDialog(dialog);
        QVERIFY(!dialog->registerButton());
        QCOMPARE(dialog->quitButton()->text(), QStringLiteral("Close"));
        dialog->quitButton()->click();
        QCOMPARE(scene->dialogCount(), 0);
    }

    void finishedOffersLeaving()
    {
        auto scene = table();
        auto* dialog = new SnGFinishedDialog(sitAndGo(), scene.get());
        dialog->setScene(scene.get());
        dialog->setTheme(m_theme.get());
        dialog->setResult(0, 19.5);
        scene->pushDialog(dialog);
        picture(scene.get(), QStringLiteral("sng-finished"));
        QSignalSpy leaving(dialog, &SnGFinishedDialog::actionLeave);
        dialog->leaveButton()->click();
        QCOMPARE(leaving.size(), 1);
        QCOMPARE(scene->dialogCount(), 0);
    }

    void freerollResultEndsByItself()
    {
        auto scene = table();
        auto* dialog = new FreerollBustedDialogItem(m_theme.get());
        dialog->setResult(2, 40, "EUR");
        dialog->setTimeoutSeconds(1);
        QSignalSpy closed(dialog, &ThemedDialogItem::actionClose);
        scene->pushDialog(dialog, true);
        dialog->centerDialog();
        QCOMPARE(dialog->text(), QStringLiteral("You finished in 2nd place and won €40!"));
        picture(scene.get(), QStringLiteral("freeroll-busted"));
        QVERIFY(closed.wait(3000));
        QTRY_COMPARE(scene->dialogCount(), 0);
    }
};

QTEST_MAIN(TestSnGDialogs)
#include "tst_sngdialogs.moc"
