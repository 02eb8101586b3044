#include "configuration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using VeskGames::CommandLineOptions;
using VeskGames::Configuration;

namespace {

class QuietOptions : public CommandLineOptions
{
public:
    void help() override {}
};

void writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QuietOptions parsed(const QStringList& args)
{
    QuietOptions options;
    options.setOptions(Configuration::options());
    QList<QByteArray> storage{"player"};
    for (const QString& arg : args)
        storage.append(arg.toLocal8Bit());
    QList<char*> argv;
    for (QByteArray& bytes : storage)
        argv.append(bytes.data());
    options.parseOptions(int(argv.size()), argv.data());
    return options;
}

} // namespace

class TestConfiguration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Value look-ups fall back on the settings store: keep it empty and ours.
        QVERIFY(m_settings.isValid());
        QCoreApplication::setOrganizationName(QStringLiteral("VeskTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_configuration"));
    }

    void declaredOptions()
    {
        const QList<CommandLineOptions::Option> options = Configuration::options();
        QCOMPARE(options.size(), 22);
        QStringList names;
        int bools = 0;
        for (const CommandLineOptions::Option& option : options) {
            names.append(option.name);
            QVERIFY(!option.description.isEmpty());
            if (option.type == QMetaType::fromType<bool>()) {
                ++bools;
                QCOMPARE(option.defaultValue, QVariant(false));
            } else if (option.name == QLatin1String("theme")) {
                // The default look, whatever plug-ins lie beside the program.
                QCOMPARE(option.defaultValue, QVariant(QStringLiteral("DefaultTheme")));
            } else {
                QVERIFY(!option.defaultValue.isValid());
            }
        }
        QCOMPARE(bools, 12);
        QVERIFY(names.contains("viewHoleCards") && names.contains("useActiveMac") &&
                names.contains("multihead"));
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 22);
    }

    void keys()
    {
        const QStringList keys = Configuration::keys();
        QCOMPARE(keys.size(), 17);
        QCOMPARE(Configuration::propertyName("featureAutoReBuyin"), QByteArray("inifeatureautorebuyin"));
        QCOMPARE(Configuration::propertyName("urlBuyin"), QByteArray("iniurlbuyin"));
    }

    void extraParameters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariantMap>("values");

        QTest::newRow("pairs") << "-host example.org -port 80"
                               << QVariantMap{{"host", "example.org"}, {"port", 80}};
        QTest::newRow("flags") << "-demo -sound" << QVariantMap{{"demo", true}, {"sound", true}};
        QTest::newRow("flag at the end")
            << "-port 1 -fullscreen" << QVariantMap{{"port", 1}, {"fullscreen", true}};
        QTest::newRow("double blank gives true")
            << "-lock  -port 5" << QVariantMap{{"lock", true}, {"port", 5}};
        QTest::newRow("explicit false") << "-demo false" << QVariantMap{{"demo", false}};
        QTest::newRow("unknown dropped") << "-nope 1 -port 7" << QVariantMap{{"port", 7}};
        QTest::newRow("bad number dropped") << "-port many" << QVariantMap();
        QTest::newRow("string option given as flag") << "-theme" << QVariantMap{{"theme", "true"}};
        QTest::newRow("stray words ignored") << "word -port 3 other" << QVariantMap{{"port", 3}};
        QTest::newRow("empty") << "" << QVariantMap();
    }

    void extraParameters()
    {
        QFETCH(QString, text);
        QFETCH(QVariantMap, values);
        QuietOptions options = parsed({});
        Configuration::applyExtraParameters(text, options);
        for (const CommandLineOptions::Option& option : Configuration::options()) {
            QCOMPARE(options.hasValue(option.name), values.contains(option.name));
            if (values.contains(option.name))
                QCOMPARE(options.value<QVariant>(option.name), values.value(option.name));
        }
    }

    void filesOverrideCommandLine()
    {
        QTemporaryDir dir;
        writeText(dir.filePath("default.ini"), "extraParameters=-port 2 -demo\n"
                                               "windowTitle=Base title\n"
                                               "urlBuyin=http://base/buy\n"
                                               "somethingElse=ignored\n");
        writeText(dir.filePath("default.local.ini"), "extraParameters=-port 3\n"
                                                     "windowTitle=Local title\n"
                                                     "amountDecimalsBelow=0\n");
        QuietOptions options = parsed({"-port", "1", "-host", "cmd"});
        Configuration configuration;
        configuration.read(QDir(dir.path()), options);

        QCOMPARE(options.value<int>("port"), 3);
        QCOMPARE(options.value<QString>("host"), QStringLiteral("cmd"));
        QVERIFY(options.value<bool>("demo"));
        QCOMPARE(configuration.values(), (QVariantMap{{"windowTitle", "Local title"},
                                                      {"urlBuyin", "http://base/buy"},
                                                      {"amountDecimalsBelow", "0"}}));
    }

    void textsAreUtf8()
    {
        QTemporaryDir dir;
        writeText(dir.filePath("default.ini"), "windowTitle=Pöytä 红隼\n");
        QuietOptions options = parsed({});
        Configuration configuration;
        configuration.read(QDir(dir.path()), options);
        QCOMPARE(configuration.value("windowTitle").toString(), QStringLiteral("Pöytä 红隼"));
    }

    void missingFilesAreSilent()
    {
        QTemporaryDir dir;
        QuietOptions options = parsed({});
        Configuration configuration;
        QTest::failOnWarning(QRegularExpression(".*"));
        configuration.read(QDir(dir.path()), options);
        QVERIFY(configuration.values().isEmpty());
    }

    void brokenFilesAreSkippedWithOneWarning_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: a folder in the file's place
        QTest::addColumn<QString>("warning");
        QTest::newRow("folder") << QByteArray() << "default.ini cannot be read; skipped";
        QTest::newRow("unterminated section")
            << QByteArray("windowTitle=Broken\n[section\nextraParameters=-demo\n")
            << "default.ini is not a valid INI file; skipped";
    }

    void brokenFilesAreSkippedWithOneWarning()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        if (content.isEmpty())
            QVERIFY(QDir(dir.path()).mkdir("default.ini"));
        else
            writeText(dir.filePath("default.ini"), content);
        writeText(dir.filePath("default.local.ini"), "urlLobby=Still read\n");
        QuietOptions options = parsed({});
        Configuration configuration;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
        configuration.read(QDir(dir.path()), options);
        // Nothing of the broken file is taken, all of the good one is.
        QCOMPARE(configuration.values(), (QVariantMap{{"urlLobby", "Still read"}}));
        QVERIFY(!options.hasValue("demo"));
    }

    void publishedProperties()
    {
        Configuration configuration;
        configuration.setValue("urlBuyin", "http://files/buy");
        configuration.setValue("windowTitle", "From file");
        QObject target;
        const QVariantMap themeDefaults{
            {"windowTitle", "Theme title"}, {"urlLobby", "http://theme/lobby"}, {"notAKey", "ignored"}};
        configuration.publish(&target, themeDefaults);
        QCOMPARE(target.property("iniurlbuyin").toString(), QStringLiteral("http://files/buy"));
        QCOMPARE(target.property("iniwindowtitle").toString(), QStringLiteral("From file"));
        QCOMPARE(target.property("iniurllobby").toString(), QStringLiteral("http://theme/lobby"));
        QVERIFY(!target.property("iniurlsignup").isValid());
        QVERIFY(!target.property("ininotakey").isValid());
    }

private:
    QTemporaryDir m_settings;
};

QTEST_GUILESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
