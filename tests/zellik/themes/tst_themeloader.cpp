#include "abstracttheme.h"
#include "themeloader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using VeskGames::AbstractTheme;
using VeskGames::ThemeLoader;

class TestThemeLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        ThemeLoader::registerBuiltinFactory();
        ThemeLoader::registerBuiltinFactory(); // twice must not list the built-ins twice
        QVERIFY(m_empty.isValid());
        QVERIFY(m_full.isValid());
        const QDir source(QStringLiteral(TEST_PLUGIN_DIR));
        const QStringList files = source.entryList(QDir::Files);
        QVERIFY2(files.size() >= 2, qPrintable(files.join(',')));
        for (const QString& file : files)
            QVERIFY(QFile::copy(source.filePath(file), m_full.filePath(file)));
        // Not a plug-in at all: skipped silently.
        QFile junk(m_full.filePath(QStringLiteral("libjunk.so")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("this is no shared library");
    }

    void cleanup() { ThemeLoader::setDefaultThemeName(QString()); }

    void defaultPluginPath() { QCOMPARE(ThemeLoader().pluginPath(), QStringLiteral("./plugins")); }

    void builtinThemesOnly()
    {
        ThemeLoader loader;
        loader.setPluginPath(m_empty.path());
        QCOMPARE(loader.availableThemes(), QStringList({"DefaultTheme", "CommunityTheme"}));
    }

    void missingFolderStillHasBuiltins()
    {
        ThemeLoader loader;
        loader.setPluginPath(m_empty.filePath(QStringLiteral("no-such-folder")));
        QCOMPARE(loader.availableThemes(), QStringList({"DefaultTheme", "CommunityTheme"}));
    }

    void pluginThemesComeFirst()
    {
        ThemeLoader loader;
        loader.setPluginPath(m_full.path());
        QCOMPARE(loader.availableThemes(),
                 QStringList({"PluginTheme", "DefaultTheme", "DefaultTheme", "CommunityTheme"}));
    }

    void makeTheme_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<QStringList>("translations"); // empty: no theme

        const QStringList builtin{"player", "zellik"};
        QTest::newRow("built-in") << "empty"
                                  << "DefaultTheme"
                                  << "" << builtin;
        QTest::newRow("community built-in") << "empty"
                                            << "CommunityTheme"
                                            << "" << builtin;
        QTest::newRow("plug-in shadows built-in") << "full"
                                                  << "DefaultTheme"
                                                  << "" << QStringList{"plugin:DefaultTheme"};
        QTest::newRow("plug-in's own") << "full"
                                       << "PluginTheme"
                                       << "" << QStringList{"plugin:PluginTheme"};
        QTest::newRow("built-in beside plug-ins") << "full"
                                                  << "CommunityTheme"
                                                  << "" << builtin;
        QTest::newRow("unknown name") << "full"
                                      << "NoSuchTheme"
                                      << "" << QStringList();
        QTest::newRow("names are case-sensitive") << "empty"
                                                  << "defaulttheme"
                                                  << "" << QStringList();
        QTest::newRow("empty name, no default") << "full"
                                                << ""
                                                << "" << QStringList();
        QTest::newRow("empty name takes the default") << "full"
                                                      << ""
                                                      << "PluginTheme" << QStringList{"plugin:PluginTheme"};
    }

    void makeTheme()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, defaultName);
        QFETCH(QStringList, translations);

        ThemeLoader::setDefaultThemeName(defaultName);
        ThemeLoader loader;
        loader.setPluginPath(folder == QLatin1String("full") ? m_full.path() : m_empty.path());
        std::unique_ptr<AbstractTheme> theme(loader.theme(name));
        if (translations.isEmpty()) {
            QVERIFY(!theme);
            return;
        }
        QVERIFY(theme);
        QCOMPARE(theme->translations(), translations);
    }

    void emptyNameIsAskedOfEveryFactory()
    {
        ThemeLoader loader;
        loader.setPluginPath(m_full.path());
        QPluginLoader plugin(pluginFile());
        QObject* factory = plugin.instance();
        QVERIFY(factory);
        factory->setProperty("requested", QStringList());
        QVERIFY(!loader.theme(QString()));
        QCOMPARE(factory->property("requested").toStringList(), QStringList({QString()}));
    }

    void copiesKeepTheirOwnPath()
    {
        ThemeLoader loader;
        loader.setPluginPath(m_full.path());
        ThemeLoader copy(loader);
        copy.setPluginPath(m_empty.path());
        QCOMPARE(loader.pluginPath(), m_full.path());
        QCOMPARE(copy.availableThemes().size(), 2);
    }

private:
    QString pluginFile() const
    {
        const QStringList files = QDir(m_full.path()).entryList({"*themeplugin*"}, QDir::Files);
        return files.isEmpty() ? QString() : m_full.filePath(files.first());
    }

    QTemporaryDir m_empty;
    QTemporaryDir m_full;
};

QTEST_MAIN(TestThemeLoader)
#include "tst_themeloader.moc"
