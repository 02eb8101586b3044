// The partner's log-in, buy-in and the lobby's greeting band: the pages they
// show, the links they open, what a page can reach of the program, and the
// log-in in Chinese as a player sees it.
#include "abstractimagemanager.h"
#include "abstracttheme.h"
#include "chinesebuydialogitem.h"
#include "chinesegamelistdialogitem.h"
#include "chineselogindialogitem.h"
#include "externallinkpage.h"
#include "infodialogitem.h"
#include "localresources.h"
#include "pokerdprocess.h"
#include "pushbuttonitem.h"
#include "screenshots.h"
#include "stackscene.h"
#include "theme.h"
#include "webdialogitem.h"
#include "webkitbridge.h"
#include "webpaneitem.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QWebEnginePage>

#include <memory>

using namespace VeskGames;

using TestSupport::StackScene;

namespace {

/// What the program would hand to the system browser.
class BrowserSpy : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

    BrowserSpy()
    {
        for (const char* scheme : {"http", "https", "file", "javascript", "ftp"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~BrowserSpy() override
    {
        for (const char* scheme : {"http", "https", "file", "javascript", "ftp"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

/// A picture cache filled by the test.
class Pictures : public AbstractImageManager
{
public:
    explicit Pictures(const QString& home) : AbstractImageManager(QStringLiteral("bridgetest"), nullptr, home)
    {}

    void give(int id, const QColor& colour)
    {
        QImage image(24, 24, QImage::Format_ARGB32);
        image.fill(colour);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        allocateCacheSlot(id, QStringLiteral("avatar%1").arg(id));
        QVERIFY(addImageDataToCache(id, png));
        Q_EMIT imageChanged(id);
    }

protected:
    void requestImage(int) override {}
};

QVariant runScript(QWebEnginePage* page, const QString& script)
{
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return QStringLiteral("<no answer>");
    return result;
}

QImage decodedAvatar(const QString& address)
{
    const QString prefix = QStringLiteral("data:image/png;base64,");
    if (!address.startsWith(prefix))
        return QImage();
    return QImage::fromData(QByteArray::fromBase64(address.mid(prefix.size()).toLatin1()), "PNG");
}

QLineEdit* lineEdit(QGraphicsWidget* dialog, const char* name)
{
    for (QGraphicsItem* item : dialog->childItems()) {
        if (auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item)) {
            if (auto* edit = proxy->widget()->findChild<QLineEdit*>(QLatin1String(name)))
                return edit;
        }
    }
    return nullptr;
}

} // namespace

class TestKestrinDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PokerdProcess m_server;
    std::unique_ptr<Theme> m_theme;

    QString site() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.port()); }

private Q_SLOTS:
    void initTestCase()
    {
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<Theme>();
        QVERIFY(m_server.start(m_dir.filePath("data")));
    }

    void cleanupTestCase() { m_theme.reset(); }

    void cleanup()
    {
        for (const char* key : {"iniurlloginnews", "iniurllostpassword", "iniurlsignup"})
            qApp->setProperty(key, QVariant());
    }

    void theBridgeFollowsOnlyTheOwnAvatar()
    {
        Pictures pictures(m_dir.filePath("home"));
        WebkitBridge bridge(&pictures, 3);
        QSignalSpy changed(&bridge, &WebkitBridge::avatarChanged);
        QVERIFY(bridge.selfAvatar().isEmpty());
        pictures.give(2, Qt::red);
        QCOMPARE(changed.size(), 0);
        pictures.give(3, Qt::blue);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(decodedAvatar(bridge.selfAvatar()).pixelColor(5, 5), QColor(Qt::blue));
        bridge.setAvatarId(2);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(decodedAvatar(bridge.selfAvatar()).pixelColor(5, 5), QColor(Qt::red));
        // A new picture for the same avatar replaces the one the page has.
        pictures.give(2, Qt::green);
        QCOMPARE(changed.size(), 3);
        QCOMPARE(decodedAvatar(bridge.selfAvatar()).pixelColor(5, 5), QColor(Qt::green));

        // What a web channel publishes of it: one property and one signal of its own.
        const QMetaObject* meta = bridge.metaObject();
        QStringList own;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
            own << QString::fromLatin1(meta->method(i).methodSignature());
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            own << QString::fromLatin1(meta->property(i).name());
        QCOMPARE(own, (QStringList{"avatarChanged()", "selfAvatar"}));
    }

    void theHeaderPageShowsTheAvatarAndNothingElse()
    {
        Pictures pictures(m_dir.filePath("home"));
        WebkitBridge bridge(&pictures, 7);
        QGraphicsScene scene(0, 0, 800, 200);
        QGraphicsView view(&scene);
        view.resize(820, 220);
        view.show();
        auto* pane = new WebPaneItem;
        pane->resize(800, 94);
        pane->publish(QStringLiteral("player"), &bridge);
        pane->setResourcePage(QStringLiteral("/gamelist/header.html"));
        QSignalSpy loaded(pane, &WebPaneItem::loadFinished);
        scene.addItem(pane);
        QVERIFY(loaded.wait(30000));
        QCOMPARE(loaded.first().at(0).toBool(), true);
        QWebEnginePage* page = pane->page();
        QVERIFY(page);
        QTRY_COMPARE_WITH_TIMEOUT(runScript(page, "typeof window.player").toString(), QString("object"),
                                  10000);

        // Everything the page can touch: the property and the signal. The channel
        // itself, and with it deleteLater() and the like, is out of its reach.
        QCOMPARE(runScript(page, "Object.getOwnPropertyNames(window.player).sort().join(',')").toString(),
                 QString("avatarChanged,selfAvatar"));
        QCOMPARE(runScript(page, "typeof window.qt").toString(), QString("undefined"));
        QCOMPARE(runScript(page, "Object.isFrozen(window.player)").toBool(), true);
        QCOMPARE(runScript(page, "delete window.player; typeof window.player").toString(), QString("object"));

        // No picture yet: an empty frame. Once the cache has it, the page shows it.
        QCOMPARE(runScript(page, "document.getElementById('avatar').style.display").toString(),
                 QString("none"));
        // A page's handlers come and go as on any signal (once the relay is up).
        QTRY_VERIFY_WITH_TIMEOUT(
            runScript(page, "document.documentElement.hasAttribute('data-player-selfavatar')").toBool(),
            10000);
        runScript(page,
                  "window.heard = 0; window.dropped = 0;"
                  "window.player.avatarChanged.connect(function () { window.heard++; });"
                  "var drop = function () { window.dropped++; };"
                  "window.player.avatarChanged.connect(drop); window.player.avatarChanged.disconnect(drop);");
        pictures.give(7, Qt::magenta);
        QTRY_VERIFY_WITH_TIMEOUT(runScript(page, "document.getElementById('avatar').src")
                                     .toString()
                                     .startsWith(QLatin1String("data:image/png;base64,")),
                                 10000);
        QCOMPARE(decodedAvatar(runScript(page, "document.getElementById('avatar').src").toString())
                     .pixelColor(3, 3),
                 QColor(Qt::magenta));
        QCOMPARE(runScript(page, "window.heard").toInt(), 1);
        QCOMPARE(runScript(page, "window.dropped").toInt(), 0);
    }

    void theLoginShowsTheServersNewsAndOpensItsLinksOutside()
    {
        BrowserSpy browser;
        qApp->setProperty("iniurlloginnews", site() + "/partner/news");
        QGraphicsScene scene(0, 0, 800, 600);
        QGraphicsView view(&scene);
        view.resize(820, 620);
        view.show();
        auto* login = qobject_cast<ChineseLoginDialogItem*>(m_theme->createLoginDialogItem(nullptr));
        QVERIFY(login);
        QSignalSpy loaded(login->newsPane(), &WebPaneItem::loadFinished);
        scene.addItem(login);
        QVERIFY(loaded.wait(30000));
        QCOMPARE(loaded.first().at(0).toBool(), true);
        QWebEnginePage* page = login->newsPane()->page();
        QVERIFY(
            runScript(page, "document.body.innerText").toString().contains(QString::fromUtf8("最新消息")));
        runScript(page, "document.querySelector('a').click()");
        QTRY_COMPARE_WITH_TIMEOUT(browser.opened.size(), 1, 10000);
        QCOMPARE(browser.opened.first(), QUrl(site() + "/partner/promotions"));
        // The pane stays on its news.
        QTest::qWait(200);
        QCOMPARE(page->url().path(), QString("/partner/news"));
    }

    void aNewsPageThatCannotBeShownLeavesTheLoginUsable_data()
    {
        QTest::addColumn<QString>("news");
        QTest::addColumn<bool>("startsEngine");
        QTest::newRow("nothing answers") << "http://127.0.0.1:1/news" << true;
        QTest::newRow("not set") << "" << false;
        QTest::newRow("a local file") << "file:///etc/passwd" << false;
        QTest::newRow("a script") << "javascript:alert(1)" << false;
    }

    void aNewsPageThatCannotBeShownLeavesTheLoginUsable()
    {
        QFETCH(QString, news);
        QFETCH(bool, startsEngine);
        qApp->setProperty("iniurlloginnews", news);
        QGraphicsScene scene(0, 0, 800, 600);
        QGraphicsView view(&scene);
        view.show();
        ChineseLoginDialogItem login;
        QSignalSpy loaded(login.newsPane(), &WebPaneItem::loadFinished);
        scene.addItem(&login);
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 30000);
        QCOMPARE(loaded.first().at(0).toBool(), false);
        QCOMPARE(login.newsPane()->page() != nullptr, startsEngine);
        QSignalSpy authenticate(&login, &ChineseLoginDialogItem::authenticate);
        lineEdit(&login, "usernameLineEdit")->setText(" demo1 ");
        lineEdit(&login, "passwordLineEdit")->setText("demo");
        QTest::keyClick(lineEdit(&login, "passwordLineEdit"), Qt::Key_Return);
        QCOMPARE(authenticate.size(), 1);
        QCOMPARE(authenticate.first(), (QVariantList{"demo1", "demo"}));
        scene.removeItem(&login);
    }

    void loggingIn()
    {
        ChineseLoginDialogItem login;
        QSignalSpy authenticate(&login, &ChineseLoginDialogItem::authenticate);
        QSignalSpy cancel(&login, &ChineseLoginDialogItem::cancel);
        login.slotDoAuth();
        QCOMPARE(authenticate.size(), 0);
        QCOMPARE(login.message(), QString("Invalid username and/or password!"));
        lineEdit(&login, "usernameLineEdit")->setText("demo2");
        lineEdit(&login, "passwordLineEdit")->setText("demo");
        login.loginButton()->click();
        QCOMPARE(authenticate.size(), 1);
        QVERIFY(login.isBusy());
        // A second press while the first is on its way sends nothing.
        login.slotDoAuth();
        QCOMPARE(authenticate.size(), 1);
        login.setMessage(QStringLiteral("Wrong password"));
        QVERIFY(!login.isBusy());
        QCOMPARE(login.message(), QString("Wrong password"));
        QVERIFY(lineEdit(&login, "passwordLineEdit")->text().isEmpty());
        QTest::keyClick(lineEdit(&login, "usernameLineEdit"), Qt::Key_Escape);
        QCOMPARE(cancel.size(), 1);
        login.quitButton()->click();
        QCOMPARE(cancel.size(), 2);
    }

    void theLoginsLinks_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("configured");
        QTest::addColumn<bool>("opens");
        for (const char* link : {"lost password", "register"}) {
            QTest::addRow("%s, a web page", link) << link << "https://partner.example/page?x=1" << true;
            QTest::addRow("%s, plain http", link) << link << "http://127.0.0.1:9/p" << true;
            QTest::addRow("%s, not set", link) << link << "" << false;
            QTest::addRow("%s, a local file", link) << link << "file:///etc/passwd" << false;
            QTest::addRow("%s, a script", link) << link << "javascript:alert(1)" << false;
            QTest::addRow("%s, no host", link) << link << "http:///nowhere" << false;
        }
    }

    void theLoginsLinks()
    {
        QFETCH(QString, link);
        QFETCH(QString, configured);
        QFETCH(bool, opens);
        BrowserSpy browser;
        const char* key = link == QLatin1String("register") ? "iniurlsignup" : "iniurllostpassword";
        qApp->setProperty(key, configured);
        ChineseLoginDialogItem login;
        if (link == QLatin1String("register"))
            login.registerButton()->click();
        else
            login.lostPasswordButton()->click();
        QCOMPARE(browser.opened, opens ? QList<QUrl>{QUrl(configured)} : QList<QUrl>{});
    }

    void theBuyInInThePartnersWords()
    {
        QGraphicsScene scene(0, 0, 800, 600);
        auto* buy = qobject_cast<ChineseBuyDialogItem*>(
            m_theme->createBuyDialogItem(QStringLiteral("g1"), AbstractTheme::SliderPlain, nullptr));
        QVERIFY(buy);
        scene.addItem(buy);
        QCOMPARE(buy->automaticReBuyCheckBox()->text(),
                 QString("Auto Rebuy (your chips will be reloaded after each game finished)"));
        QCOMPARE(buy->nextGameNotice(),
                 QString("The bought chips will add to the game account at next game start"));
        QCOMPARE(buy->okButton()->text(), QString("Buy Chips"));
        QVERIFY(buy->size().width() >= ChineseBuyDialogItem::DialogSize.width());
        // The library's rules still decide what can be bought.
        buy->setValues(10, 100, 500, 0);
        QVERIFY(!buy->isInError());
        QSignalSpy bought(buy, &BuyDialogItem::buyin);
        buy->okButton()->click();
        QCOMPARE(bought.size(), 1);
        buy->setValues(10, 100, 500, 150);
        QVERIFY(buy->isInError());
        QCOMPARE(buy->descriptionText(), QString("Unable to rebuy due to big stack"));
    }

    void theWebLobbyOpensOverTheTiles_data()
    {
        QTest::addColumn<QString>("configured");
        QTest::newRow("configured") << "http://127.0.0.1:9/partner/lobby";
        QTest::newRow("not configured") << "";
    }

    void theWebLobbyOpensOverTheTiles()
    {
        QFETCH(QString, configured);
        qApp->setProperty("iniurllobby", configured);
        StackScene scene;
        auto* lobby = new ChineseGameListDialogItem(QVariantMap());
        lobby->setTheme(m_theme.get());
        scene.pushDialog(lobby, true);
        QCOMPARE(lobby->webLobbyButton()->isVisible(), !configured.isEmpty());
        if (configured.isEmpty())
            return;
        lobby->webLobbyButton()->click();
        // On the scene's stack over the lobby: closing it brings the tiles back.
        QCOMPARE(scene.stack.size(), 2);
        auto* page = qobject_cast<WebDialogItem*>(scene.stack.last());
        QVERIFY(page);
        QCOMPARE(page->url(), QUrl(configured));
        qApp->setProperty("iniurllobby", QVariant());
    }

    void theLoginHasRoomForItsTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("loginText");
        QTest::newRow("Chinese") << "zh_CN" << QString::fromUtf8("登录");
        QTest::newRow("English") << "en"
                                 << "Login";
    }

    void theLoginHasRoomForItsTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, loginText);
        qApp->setProperty("iniurlloginnews", site() + "/partner/news");
        std::vector<std::unique_ptr<QTranslator>> translators;
        // The library's and the theme's catalogues: the program's own has no text in this dialog.
        for (const QString& base : {QStringLiteral("zellik"), QStringLiteral("kestrin")}) {
            if (language == QLatin1String("en"))
                break;
            QVERIFY(m_theme->translations().contains(base));
            auto translator = std::make_unique<QTranslator>();
            const QString path = LocalResources::resourcePath(
                QStringLiteral("/translations/%1_%2.qm").arg(base, language), QMetaType::fromType<QString>());
            QVERIFY2(translator->load(path), qPrintable(base));
            QCoreApplication::installTranslator(translator.get());
            translators.push_back(std::move(translator));
        }
        m_theme->switchFont(false);
        {
            QGraphicsScene scene(0, 0, 700, 480);
            scene.setBackgroundBrush(QColor(0x0c, 0x2b, 0x20));
            auto* login = new ChineseLoginDialogItem;
            login->setTheme(m_theme.get());
            QSignalSpy loaded(login->newsPane(), &WebPaneItem::loadFinished);
            scene.addItem(login);
            login->setPos(30, 30);
            QVERIFY(loaded.wait(30000));
            QCOMPARE(login->loginButton()->text(), loginText);
            // Every label has the room its text needs, and the form lies
            // inside the dialog's border.
            QWidget* form = login->lostPasswordButton()->parentWidget();
            for (QLabel* label : form->findChildren<QLabel*>())
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
            QVERIFY(login->saveBox()->width() >= login->saveBox()->sizeHint().width());
            QVERIFY(login->lostPasswordButton()->width() >= login->lostPasswordButton()->sizeHint().width());
            QVERIFY(login->size().width() <= ChineseLoginDialogItem::DialogSize.width());
            const QRectF inside = login->sceneBoundingRect().adjusted(12, 12, -12, -12);
            for (QWidget* part : form->findChildren<QWidget*>()) {
                if (!part->isVisible() || part->parentWidget() != form)
                    continue;
                const QRectF at = form->graphicsProxyWidget()->mapRectToScene(QRectF(part->geometry()));
                QVERIFY2(inside.contains(at), qPrintable(part->objectName() + " reaches the border"));
            }
            QGraphicsView view(&scene);
            view.setFrameShape(QFrame::NoFrame);
            view.resize(700, 480);
            view.show();
            QTest::qWait(1500); // the news pane's first frame
            const QString name = language == QLatin1String("en") ? "kestrin-login-en" : "kestrin-login";
            QVERIFY(TestSupport::saveScreenshots(
                QSize(700, 480), QStringLiteral(SCREENSHOT_DIR "/%1-%2x.png").arg(name, "%1"),
                [&scene](QPainter* painter) {
                    scene.render(painter, QRectF(0, 0, 700, 480), scene.sceneRect());
                }));
        }
        m_theme->switchFont(true);
        for (const auto& translator : translators)
            QCoreApplication::removeTranslator(translator.get());
    }
};

int main(int argc, char** argv)
{
    // The web engine shares its drawing context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestKestrinDialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_kestrindialogs.moc"
