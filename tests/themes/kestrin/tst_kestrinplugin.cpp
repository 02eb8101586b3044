// The partner plug-in as the program meets it: a library file in the
// plug-in folder, found by the theme loader, that makes its theme only.
#include "abstracttheme.h"
#include "abstractthemefactory.h"
#include "localresources.h"
#include "themeloader.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QTest>

#include <memory>

using namespace VeskGames;

class TestKestrinPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LocalResources::setSearchPaths({QStringLiteral(":")}); }

    void theFactoryMakesOnlyItsTheme_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("made");
        QTest::newRow("its own") << "KestrinTheme" << true;
        QTest::newRow("the built-in default") << "DefaultTheme" << false;
        QTest::newRow("the community theme") << "CommunityTheme" << false;
        QTest::newRow("another case") << "kestrintheme" << false;
        QTest::newRow("empty") << "" << false;
    }

    void theFactoryMakesOnlyItsTheme()
    {
        QFETCH(QString, name);
        QFETCH(bool, made);
        QPluginLoader loader(QStringLiteral(KESTRIN_PLUGIN));
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        auto* factory = qobject_cast<AbstractThemeFactory*>(loader.instance());
        QVERIFY(factory);
        QCOMPARE(factory->availableThemes(), QStringList{"KestrinTheme"});
        std::unique_ptr<AbstractTheme> theme(factory->createTheme(name));
        QCOMPARE(theme != nullptr, made);
        // One factory per process, whoever asks.
        QCOMPARE(
            qobject_cast<AbstractThemeFactory*>(QPluginLoader(QStringLiteral(KESTRIN_PLUGIN)).instance()),
            factory);
    }

    void theLoaderFindsItInThePluginFolder()
    {
        ThemeLoader::registerBuiltinFactory();
        ThemeLoader loader;
        loader.setPluginPath(QFileInfo(QStringLiteral(KESTRIN_PLUGIN)).absolutePath());
        QVERIFY2(loader.availableThemes().contains("KestrinTheme"),
                 qPrintable(loader.availableThemes().join(',')));
        const QString before =
            LocalResources::resourcePath("/login/background.png", QMetaType::fromType<QString>());
        {
            std::unique_ptr<AbstractTheme> theme(loader.theme(QStringLiteral("KestrinTheme")));
            QVERIFY(theme);
            // Its pictures and its catalogue come from inside the plug-in.
            QCOMPARE(LocalResources::resourcePath("/login/background.png", QMetaType::fromType<QString>()),
                     QString(":/kestrin/login/background.png"));
            QCOMPARE(LocalResources::resourcePath("/translations/kestrin_zh_CN.qm",
                                                  QMetaType::fromType<QString>()),
                     QString(":/kestrin/translations/kestrin_zh_CN.qm"));
            QVERIFY(theme->translations().endsWith("kestrin"));
            QCOMPARE(theme->defaultSettings().value("amountDecimalsBelow").toInt(), 0);
            // The default theme still comes from the program itself.
            std::unique_ptr<AbstractTheme> builtIn(loader.theme(QStringLiteral("DefaultTheme")));
            QVERIFY(builtIn);
        }
        QCOMPARE(LocalResources::resourcePath("/login/background.png", QMetaType::fromType<QString>()),
                 before);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestKestrinPlugin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_kestrinplugin.moc"
