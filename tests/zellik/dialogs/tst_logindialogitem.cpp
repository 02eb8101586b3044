#include "defaulttheme.h"
#include "infodialogitem.h"
#include "localresources.h"
#include "logindialogitem.h"
#include "pushbuttonitem.h"
#include "stackscene.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPainter>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace VeskGames;

namespace {

QLineEdit* field(LoginDialogItem& dialog, const char* name)
{
    for (QGraphicsItem* item : dialog.childItems()) {
        if (auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item)) {
            if (auto* edit = proxy->widget()->findChild<QLineEdit*>(QLatin1String(name)))
                return edit;
        }
    }
    return nullptr;
}

void storeLogins(const QList<QPair<QVariant, QVariant>>& entries)
{
    QSettings settings;
    settings.beginWriteArray(QStringLiteral("logins"), int(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        settings.setArrayIndex(i);
        if (entries.at(i).first.isValid())
            settings.setValue(QStringLiteral("userName"), entries.at(i).first);
        if (entries.at(i).second.isValid())
            settings.setValue(QStringLiteral("password"), entries.at(i).second);
    }
    settings.endArray();
}

using TestSupport::StackScene;

int noticesIn(const QGraphicsScene& scene)
{
    int count = 0;
    for (QGraphicsItem* item : scene.items()) {
        if (dynamic_cast<InfoDialogItem*>(item))
            ++count;
    }
    return count;
}

} // namespace

class TestLoginDialogItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("vesk-tests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_logindialogitem"));
    }

    void init() { QSettings().clear(); }

    void emptyFieldsAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("sent");
        QTest::newRow("nothing") << ""
                                 << "" << false;
        QTest::newRow("no password") << "demo1"
                                     << "" << false;
        QTest::newRow("blank name") << "   "
                                    << "secret" << false;
        QTest::newRow("both") << " demo1 "
                              << "secret" << true;
    }

    void emptyFieldsAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, sent);
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* dialog = new LoginDialogItem;
        scene.addItem(dialog);
        QSignalSpy auth(dialog, &LoginDialogItem::authenticate);
        field(*dialog, "usernameLineEdit")->setText(name);
        field(*dialog, "passwordLineEdit")->setText(password);
        // Return in the password field logs in, like the button.
        QTest::keyClick(field(*dialog, "passwordLineEdit"), Qt::Key_Return);
        QCOMPARE(auth.size(), sent ? 1 : 0);
        QCOMPARE(dialog->isBusy(), sent);
        if (sent) {
            QCOMPARE(auth.first().at(0).toString(), QStringLiteral("demo1"));
            QVERIFY(!dialog->loginButton()->isEnabled());
            QVERIFY(dialog->message().startsWith(QStringLiteral("Logging in")));
            // A refusal gives the dialog back, the password to type again.
            dialog->setMessage(QStringLiteral("Wrong password"));
            QVERIFY(!dialog->isBusy() && dialog->loginButton()->isEnabled());
            QVERIFY(field(*dialog, "passwordLineEdit")->text().isEmpty());
            QCOMPARE(dialog->message(), QStringLiteral("Wrong password"));
        } else {
            QCOMPARE(dialog->message(), QStringLiteral("Invalid username and/or password!"));
            QVERIFY(dialog->loginButton()->isEnabled());
        }
        QSignalSpy cancelled(dialog, &LoginDialogItem::cancel);
        QTest::keyClick(field(*dialog, "usernameLineEdit"), Qt::Key_Escape);
        QCOMPARE(cancelled.size(), 1);
    }

    void aRememberedLoginIsFilledIn()
    {
        QSettings().setValue(QStringLiteral("login/rememberPasswords"), true);
        storeLogins({{QStringLiteral("demo3"), QByteArray("c2VjcmV0")}});
        LoginDialogItem dialog;
        dialog.reset();
        dialog.setSingleUsername();
        QCOMPARE(field(dialog, "usernameLineEdit")->text(), QStringLiteral("demo3"));
        QCOMPARE(field(dialog, "passwordLineEdit")->text(), QStringLiteral("secret"));
        QVERIFY(dialog.saveBox()->isChecked());
    }

    void savingFollowsTheBox_data()
    {
        QTest::addColumn<bool>("remember");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("box ticked") << true << QByteArray("c2VjcmV0");
        QTest::newRow("box not ticked") << false << QByteArray();
    }

    void savingFollowsTheBox()
    {
        QFETCH(bool, remember);
        QFETCH(QByteArray, stored);
        LoginDialogItem dialog;
        dialog.setRememberPasswords(remember);
        dialog.addCompletionUsername(QStringLiteral("demo4"), QStringLiteral("secret"));
        QSettings settings;
        QCOMPARE(settings.beginReadArray(QStringLiteral("logins")), 1);
        settings.setArrayIndex(0);
        QCOMPARE(settings.value(QStringLiteral("userName")).toString(), QStringLiteral("demo4"));
        QCOMPARE(settings.value(QStringLiteral("password")).toByteArray(), stored);
        settings.endArray();
        // A file holding a password is for its owner's eyes only.
        if (remember) {
            QCOMPARE(QFile::permissions(settings.fileName()) & (QFile::ReadGroup | QFile::ReadOther),
                     QFile::Permissions());
        }
        // Unticking forgets the passwords at once.
        dialog.setRememberPasswords(false);
        QCOMPARE(dialog.rememberedPassword(QStringLiteral("demo4")), QString());
        QSettings after;
        after.beginReadArray(QStringLiteral("logins"));
        after.setArrayIndex(0);
        QCOMPARE(after.value(QStringLiteral("password")).toByteArray(), QByteArray());
    }

    void damagedLoginsAreSurvived()
    {
        QSettings().setValue(QStringLiteral("login/rememberPasswords"), true);
        QList<QPair<QVariant, QVariant>> entries{{QStringLiteral("bad64"), QByteArray("%%%not base64***")},
                                                 {QVariant(), QByteArray("c2VjcmV0")},
                                                 {QStringLiteral("nopassword"), QVariant()}};
        for (int i = 0; i < 5000; ++i)
            entries.append({QStringLiteral("user%1").arg(i), QByteArray("eA==")});
        storeLogins(entries);
        LoginDialogItem dialog;
        QCOMPARE(dialog.rememberedUsernames().size(), int(AbstractLoginDialogItem::MaximumRememberedLogins));
        QCOMPARE(dialog.rememberedUsernames().first(), QStringLiteral("bad64"));
        QVERIFY(dialog.rememberedUsernames().contains(QStringLiteral("nopassword")));
        QCOMPARE(dialog.rememberedPassword(QStringLiteral("nopassword")), QString());
    }

    void thePasswordNoticeComesOnce()
    {
        StackScene scene;
        auto* first = new LoginDialogItem;
        scene.pushDialog(first, true);
        first->saveBox()->setChecked(true);
        QCOMPARE(noticesIn(scene), 1);
        // Over the log-in on the scene's stack, not beside it: one panel takes the input at a time.
        QCOMPARE(scene.stack.size(), 2);
        QVERIFY(qobject_cast<InfoDialogItem*>(scene.stack.last()));
        QVERIFY(scene.stack.last()->isVisible());
        QVERIFY(!first->isVisible());
        first->saveBox()->setChecked(false);
        QCOMPARE(noticesIn(scene), 1);
        // The next run has been told already.
        StackScene later;
        auto* second = new LoginDialogItem;
        later.pushDialog(second, true);
        second->saveBox()->setChecked(!second->saveBox()->isChecked());
        QCOMPARE(noticesIn(later), 0);
    }

    void languagesFromTheCataloguesFound()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.path() + "/translations/player_odd.qm.d"));
        for (const char* name :
             {"player_sv_SE.qm", "player_zh_CN.qm", "player.qm", "player_.qm", "zellik_de_DE.qm"}) {
            QFile file(dir.path() + "/translations/" + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QStringList saved = LocalResources::searchPaths();
        LocalResources::setSearchPaths({dir.path()});
        LoginDialogItem dialog;
        LocalResources::setSearchPaths(saved);
        QStringList shown;
        for (int i = 0; i < dialog.languageBox()->count(); ++i)
            shown.append(dialog.languageBox()->itemText(i));
        QCOMPARE(shown, (QStringList{"English", "Svenska", QStringLiteral("中文 (Chinese)")}));
        QSignalSpy changed(&dialog, &LoginDialogItem::languageChanged);
        dialog.setCurrentLocale(QStringLiteral("sv_SE"));
        QCOMPARE(changed.size(), 0);
        dialog.languageBox()->setCurrentIndex(2);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().at(0).toString(), QStringLiteral("zh_CN"));
    }

    // Without a mouse: Tab walks the fields and then the buttons in the
    // order the row shows them, Shift+Tab walks back, Space presses.
    void theKeyboardReachesEverything()
    {
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* dialog = new LoginDialogItem;
        scene.addItem(dialog);
        dialog->centerDialog();
        QGraphicsView view(&scene);
        view.resize(1024, 768);
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        dialog->reset();
        QLineEdit* name = field(*dialog, "usernameLineEdit");
        QTRY_VERIFY(name->hasFocus());

        QList<PushButtonItem*> row{dialog->signupButton(), dialog->quitButton(), dialog->loginButton()};
        std::sort(row.begin(), row.end(),
                  [](PushButtonItem* a, PushButtonItem* b) { return a->scenePos().x() < b->scenePos().x(); });
        const auto focused = [&]() -> QString {
            QGraphicsItem* item = scene.focusItem();
            if (auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item);
                proxy && proxy->widget()->focusWidget())
                return QString::fromLatin1(proxy->widget()->focusWidget()->metaObject()->className());
            if (auto* button = dynamic_cast<PushButtonItem*>(item))
                return button->text();
            return QStringLiteral("nothing");
        };
        const QStringList forward{QStringLiteral("QLineEdit"), QStringLiteral("QComboBox"),
                                  QStringLiteral("QCheckBox"), row.at(0)->text(),
                                  row.at(1)->text(),           row.at(2)->text()};
        QStringList seen{focused()};
        for (int step = 0; step < 6; ++step) {
            QTest::keyClick(&view, Qt::Key_Tab);
            seen << focused();
        }
        QCOMPARE(seen.mid(0, 2), (QStringList{QStringLiteral("QLineEdit"), QStringLiteral("QLineEdit")}));
        QCOMPARE(seen.mid(2, 5), forward.mid(1));
        QTest::keyClick(&view, Qt::Key_Backtab);
        QCOMPARE(focused(), row.at(1)->text());

        // Space on the focused button is a click.
        QTest::keyClick(&view, Qt::Key_Tab);
        PushButtonItem* last = row.at(2);
        QVERIFY(last->hasFocus());
        QSignalSpy clicked(last, &PushButtonItem::clicked);
        QTest::keyClick(&view, Qt::Key_Space);
        QCOMPARE(clicked.size(), 1);
    }

    void rendersSharplyAtTwiceTheResolution()
    {
        // In the built-in look, with its pictures and style sheet.
        LocalResources::setSearchPaths({QStringLiteral(":")});
        DefaultTheme theme;
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* dialog = static_cast<LoginDialogItem*>(theme.createLoginDialogItem(nullptr));
        scene.addItem(dialog);
        dialog->setUseDimmer(true);
        dialog->setMessage(QStringLiteral("Invalid username and/or password!"));
        dialog->centerDialog();
        QCoreApplication::processEvents(); // the layout takes in the error sign
        const QRectF area = dialog->mapRectToScene(dialog->rect()).adjusted(-20, -20, 20, 20);
        for (int ratio : {1, 2}) {
            QImage image((area.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(QColor(20, 90, 40));
            QPainter painter(&image);
            scene.render(&painter, QRectF(QPointF(), area.size()), area);
            painter.end();
            QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/login-%1x.png").arg(ratio)));
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); y += 3) {
                for (int x = 0; x < image.width(); x += 3)
                    colours.insert(image.pixel(x, y));
            }
            QVERIFY(colours.size() > 50);
        }
    }
};

QTEST_MAIN(TestLoginDialogItem)
#include "tst_logindialogitem.moc"
