#include "renderingsetup.h"
#include "staticcredentials.h"
#include "tablewindowgeometry.h"
#include "webenginesetup.h"

#include <QMap>
#include <QTest>

using VeskGames::StaticCredentials;
namespace Geometry = VeskGames::TableWindowGeometry;

class TestStartupRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void credentials_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<double>("amount");
        QTest::newRow("complete") << "anna:secret:50" << true << "anna"
                                  << "secret" << 50.0;
        QTest::newRow("decimal amount") << "a:b:12.5" << true << "a"
                                        << "b" << 12.5;
        QTest::newRow("empty password") << "a::5" << true << "a"
                                        << "" << 5.0;
        QTest::newRow("empty amount") << "a:b:" << false << ""
                                      << "" << 0.0;
        QTest::newRow("four parts") << "a:b:c:d" << false << ""
                                    << "" << 0.0;
        QTest::newRow("two parts") << "a:b" << false << ""
                                   << "" << 0.0;
        QTest::newRow("amount not a number") << "a:b:lots" << false << ""
                                             << "" << 0.0;
        QTest::newRow("empty") << "" << false << ""
                               << "" << 0.0;
    }

    void credentials()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(double, amount);
        StaticCredentials parsed;
        QCOMPARE(StaticCredentials::parse(text, &parsed), valid);
        QCOMPARE(parsed.user, user);
        QCOMPARE(parsed.password, password);
        QCOMPARE(parsed.buyinAmount, amount);
    }

    void windowSize_data()
    {
        QTest::addColumn<QSize>("desktop");
        QTest::addColumn<QSize>("window");
        QTest::newRow("4:3") << QSize(1024, 768) << QSize(920, 690);
        QTest::newRow("16:9") << QSize(1920, 1080) << QSize(1296, 972);
        QTest::newRow("5:4 is narrower") << QSize(1280, 1024) << QSize(1152, 864);
        QTest::newRow("two screens side by side") << QSize(3840, 1080) << QSize(1296, 972);
        QTest::newRow("portrait") << QSize(768, 1024) << QSize(688, 516);
        QTest::newRow("rounding of 90 %") << QSize(1366, 768) << QSize(920, 690);
    }

    void windowSize()
    {
        QFETCH(QSize, desktop);
        QFETCH(QSize, window);
        const QSize size = Geometry::windowSize(desktop);
        QCOMPARE(size, window);
        QCOMPARE(size.width() * 3, size.height() * 4);
        QVERIFY(size.width() <= desktop.width() && size.height() <= desktop.height());
    }

    void usableScreens_data()
    {
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("usable");
        QTest::newRow("no such screen") << QRect() << false;
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << true;
        QTest::newRow("one pixel") << QRect(0, 0, 1, 1) << true;
        QTest::newRow("inverted") << QRect(QPoint(10, 10), QPoint(5, 5)) << false;
    }

    void usableScreens()
    {
        QFETCH(QRect, geometry);
        QFETCH(bool, usable);
        QCOMPARE(Geometry::isUsableScreen(geometry), usable);
    }
    void rendering_data()
    {
        // Variables set beforehand as "NAME=value" pairs; what the program sets.
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<bool>("software");
        QTest::addColumn<QStringList>("after");
        const QStringList chosen{"QT_QUICK_BACKEND=software", "QT_XCB_GL_INTEGRATION=none"};
        QTest::newRow("nothing set") << QStringList() << true << chosen;
        QTest::newRow("unrelated set")
            << QStringList{"DISPLAY=:0"} << true << (QStringList{"DISPLAY=:0"} + chosen);
        QTest::newRow("empty integration counts as unset")
            << QStringList{"QT_XCB_GL_INTEGRATION="} << true << chosen;
        QTest::newRow("OpenGL asked for")
            << QStringList{"VESK_OPENGL=1"} << false << QStringList{"VESK_OPENGL=1"};
        QTest::newRow("OpenGL not asked for")
            << QStringList{"VESK_OPENGL=0"} << true << (chosen + QStringList{"VESK_OPENGL=0"});
        QTest::newRow("integration picked") << QStringList{"QT_XCB_GL_INTEGRATION=xcb_egl"} << false
                                            << QStringList{"QT_XCB_GL_INTEGRATION=xcb_egl"};
        QTest::newRow("quick backend picked")
            << QStringList{"QT_QUICK_BACKEND=opengl"} << false << QStringList{"QT_QUICK_BACKEND=opengl"};
    }

    void rendering()
    {
        QFETCH(QStringList, before);
        QFETCH(bool, software);
        QFETCH(QStringList, after);
        QMap<QByteArray, QByteArray> env;
        for (const QString& pair : before)
            env.insert(pair.section('=', 0, 0).toLatin1(), pair.section('=', 1).toLatin1());
        const bool result = VeskGames::RenderingSetup::choose(
            [&](const char* name) { return env.value(name); },
            [&](const char* name, const QByteArray& value) { env.insert(name, value); });
        QCOMPARE(result, software);
        QStringList pairs;
        for (auto it = env.cbegin(); it != env.cend(); ++it)
            pairs << QString::fromLatin1(it.key() + '=' + it.value());
        QCOMPARE(pairs, after);
    }

    void webEngineSandbox_data()
    {
        QTest::addColumn<bool>("root");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<bool>("turnedOff");
        QTest::newRow("a user") << false << QStringList() << false;
        QTest::newRow("root") << true << QStringList() << true;
        QTest::newRow("root, already off") << true << QStringList{"QTWEBENGINE_DISABLE_SANDBOX=1"} << false;
        QTest::newRow("root, off by the engine's flags")
            << true << QStringList{"QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --no-sandbox"} << false;
        QTest::newRow("root, other flags")
            << true << QStringList{"QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu"} << true;
    }

    void webEngineSandbox()
    {
        QFETCH(bool, root);
        QFETCH(QStringList, before);
        QFETCH(bool, turnedOff);
        QMap<QByteArray, QByteArray> env;
        for (const QString& pair : before)
            env.insert(pair.section('=', 0, 0).toLatin1(), pair.section('=', 1).toLatin1());
        const bool result = VeskGames::WebEngineSetup::choose(
            root, [&](const char* name) { return env.value(name); },
            [&](const char* name, const QByteArray& value) { env.insert(name, value); });
        QCOMPARE(result, turnedOff);
        // Turned off by us means: the engine will find it off.
        QCOMPARE(env.value("QTWEBENGINE_DISABLE_SANDBOX") == "1" ||
                     env.value("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox"),
                 root);
    }

    void expectedMessages_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("no context")
            << "QXcbIntegration: Cannot create platform OpenGL context, neither GLX nor "
               "EGL are enabled"
            << true;
        QTest::newRow("other platform warning") << "QXcbConnection: XCB error: 3 (BadWindow)" << false;
        QTest::newRow("mentioned inside")
            << "server said: QXcbIntegration: Cannot create platform OpenGL context" << false;
        QTest::newRow("empty") << "" << false;
    }

    void expectedMessages()
    {
        QFETCH(QString, message);
        QFETCH(bool, dropped);
        QCOMPARE(VeskGames::RenderingSetup::isExpectedWithoutOpenGL(message), dropped);
    }
};

QTEST_GUILESS_MAIN(TestStartupRules)
#include "tst_startuprules.moc"
