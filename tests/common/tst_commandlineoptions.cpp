#include "commandlineoptions.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using VeskGames::CommandLineOptions;

namespace {

/// Records help() calls instead of printing.
class RecordingOptions : public CommandLineOptions
{
public:
    int helpCalls = 0;
    void help() override { ++helpCalls; }
};

QList<CommandLineOptions::Option> declaredOptions()
{
    using Option = CommandLineOptions::Option;
    return {
        Option(QStringLiteral("fullscreen"), QStringLiteral("Enable fullscreen mode"), false,
               QMetaType::fromType<bool>()),
        Option(QStringLiteral("demo"), QMetaType::fromType<bool>()),
        Option(QStringLiteral("port"), QStringLiteral("Server port to connect to"),
               QMetaType::fromType<int>()),
        Option(QStringLiteral("host"), QStringLiteral("Name of server host"), QMetaType::fromType<QString>()),
        Option(QStringLiteral("flag"), QStringLiteral("Takes no value"), QMetaType()),
        Option(QStringLiteral("size"), QStringLiteral("A size"), QMetaType::fromType<QSize>()),
        Option(QStringLiteral("ratio"), QStringLiteral(""), 1.5, QMetaType::fromType<double>()),
    };
}

/// argv as the C runtime hands it over, program name first.
class Argv
{
public:
    explicit Argv(const QStringList& args)
    {
        m_storage.append(QByteArray("prog"));
        for (const QString& arg : args)
            m_storage.append(arg.toLocal8Bit());
        for (QByteArray& bytes : m_storage)
            m_pointers.append(bytes.data());
        m_pointers.append(nullptr);
    }
    int argc() const { return int(m_storage.size()); }
    char** argv() { return m_pointers.data(); }

private:
    QList<QByteArray> m_storage;
    QList<char*> m_pointers;
};

} // namespace

class TestCommandLineOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral("VeskTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_commandlineoptions"));
    }

    void cleanup() { QSettings().clear(); }

    void parse_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("helpCalls");
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<QStringList>("remaining");

        const QStringList none;
        QTest::newRow("program name only") << none << true << 0 << QVariantMap() << none;
        QTest::newRow("double dash ends options")
            << QStringList{"a", "--", "-x", "b"} << true << 0 << QVariantMap() << QStringList{"a", "-x", "b"};
        QTest::newRow("two bools") << QStringList{"-fullscreen", "-demo"} << true << 0
                                   << QVariantMap{{"fullscreen", true}, {"demo", true}} << none;
        QTest::newRow("bool with explicit false")
            << QStringList{"-fullscreen", "false"} << true << 0 << QVariantMap{{"fullscreen", false}} << none;
        QTest::newRow("bool before value option") << QStringList{"-demo", "-port", "80"} << true << 0
                                                  << QVariantMap{{"demo", true}, {"port", 80}} << none;
        QTest::newRow("unparsable int is zero")
            << QStringList{"-port", "abc"} << true << 0 << QVariantMap{{"port", 0}} << none;
        QTest::newRow("missing value") << QStringList{"-port"} << false << 1 << QVariantMap() << none;
        QTest::newRow("unknown option keeps rest")
            << QStringList{"-host", "h", "-nope", "x", "-demo"} << false << 1 << QVariantMap{{"host", "h"}}
            << QStringList{"x", "-demo"};
        QTest::newRow("help stops the walk")
            << QStringList{"x", "-help", "-demo"} << false << 1 << QVariantMap() << QStringList{"x", "-demo"};
        QTest::newRow("short help") << QStringList{"-h"} << false << 1 << QVariantMap() << none;
        QTest::newRow("double dash name is looked up with one dash")
            << QStringList{"--demo"} << false << 1 << QVariantMap() << none;
        QTest::newRow("option without type wants no value")
            << QStringList{"-flag", "x"} << false << 1 << QVariantMap() << QStringList{"x"};
        QTest::newRow("type not made from text: value examined on its own")
            << QStringList{"-size", "plain"} << true << 0 << QVariantMap() << QStringList{"plain"};
        QTest::newRow("non-options are collected") << QStringList{"one", "-port", "7", "two"} << true << 0
                                                   << QVariantMap{{"port", 7}} << QStringList{"one", "two"};
    }

    void parse()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, result);
        QFETCH(int, helpCalls);
        QFETCH(QVariantMap, values);
        QFETCH(QStringList, remaining);

        RecordingOptions options;
        options.setOptions(declaredOptions());
        Argv argv(args);
        QCOMPARE(options.parseOptions(argv.argc(), argv.argv()), result);
        QCOMPARE(options.helpCalls, helpCalls);
        QCOMPARE(options.remainingArgs(), remaining);
        for (const char* name : {"fullscreen", "demo", "port", "host", "size"}) {
            QCOMPARE(options.hasValue(name), values.contains(name));
            if (values.contains(name))
                QCOMPARE(options.value<QVariant>(name), values.value(name));
        }
    }

    void helpFlagCleared()
    {
        RecordingOptions options;
        options.setUseHelp(false);
        QList<CommandLineOptions::Option> list = declaredOptions();
        list.append(CommandLineOptions::Option(QStringLiteral("h"), QMetaType::fromType<bool>()));
        options.setOptions(list);
        Argv argv({"-h"});
        QVERIFY(options.parseOptions(argv.argc(), argv.argv()));
        QCOMPARE(options.helpCalls, 0);
        QVERIFY(options.value<bool>(QStringLiteral("h")));

        // Undeclared, "h" is just an unknown name.
        options.setOptions(declaredOptions());
        QVERIFY(!options.parseOptions(argv.argc(), argv.argv()));
        QCOMPARE(options.helpCalls, 1);
    }

    void reparseClearsOldValues()
    {
        RecordingOptions options;
        options.setOptions(declaredOptions());
        Argv first({"-port", "1", "rest"});
        options.parseOptions(first.argc(), first.argv());
        Argv second({"-demo"});
        options.parseOptions(second.argc(), second.argv());
        QVERIFY(!options.hasValue(QStringLiteral("port")));
        QVERIFY(options.remainingArgs().isEmpty());
    }

    void resolution_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("useSettings");
        QTest::addColumn<QString>("callerDefault");
        QTest::addColumn<QString>("expected");

        QTest::newRow("command line wins")
            << "port" << QStringList{"-port", "1"} << QVariant(2) << true << "3"
            << "1";
        QTest::newRow("settings before defaults") << "port" << QStringList() << QVariant(2) << true << "3"
                                                  << "2";
        QTest::newRow("settings ignored when off") << "port" << QStringList() << QVariant(2) << false << "3"
                                                   << "3";
        QTest::newRow("caller default last") << "port" << QStringList() << QVariant() << true << "3"
                                             << "3";
        QTest::newRow("declared default before caller's")
            << "ratio" << QStringList() << QVariant() << true << "9"
            << "1.5";
        QTest::newRow("settings before declared default")
            << "ratio" << QStringList() << QVariant(2.5) << true << "9"
            << "2.5";
        QTest::newRow("undeclared name reads settings")
            << "other" << QStringList() << QVariant("s") << true << "d"
            << "s";
    }

    void resolution()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, args);
        QFETCH(QVariant, stored);
        QFETCH(bool, useSettings);
        QFETCH(QString, callerDefault);
        QFETCH(QString, expected);

        if (stored.isValid())
            QSettings().setValue(name, stored);
        RecordingOptions options;
        options.setOptions(declaredOptions());
        options.setUseQSettings(useSettings);
        Argv argv(args);
        options.parseOptions(argv.argc(), argv.argv());
        QCOMPARE(options.value<QString>(name, callerDefault), expected);
        // Only the command line (or setValue) counts as "has a value".
        QCOMPARE(options.hasValue(name), !args.isEmpty());
    }

    void setValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QVariant>("converted");

        QTest::newRow("text to int") << "port" << QVariant("80") << true << QVariant(80);
        QTest::newRow("text to bool") << "demo" << QVariant("true") << true << QVariant(true);
        QTest::newRow("bad int ignored") << "port" << QVariant("eighty") << false << QVariant("eighty");
        QTest::newRow("unknown name ignored") << "nope" << QVariant("1") << false << QVariant("1");
        QTest::newRow("untyped option ignored") << "flag" << QVariant("1") << false << QVariant("1");
    }

    void setValue()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(bool, stored);
        QFETCH(QVariant, converted);

        CommandLineOptions options;
        options.setOptions(declaredOptions());
        options.setValue(name, value);
        QCOMPARE(options.hasValue(name), stored);
        QCOMPARE(value, converted);
    }

    void copiesAreIndependent()
    {
        RecordingOptions options;
        options.setOptions(declaredOptions());
        Argv argv({"-port", "5"});
        options.parseOptions(argv.argc(), argv.argv());
        CommandLineOptions copy(options);
        QVariant other(6);
        copy.setValue(QStringLiteral("port"), other);
        QCOMPARE(options.value<int>(QStringLiteral("port")), 5);
        QCOMPARE(copy.value<int>(QStringLiteral("port")), 6);
        QCOMPARE(copy.options().size(), declaredOptions().size());
    }

    void helpListing()
    {
        CommandLineOptions options;
        options.setOptions(declaredOptions());
        const QString text = captureHelp(options);
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), declaredOptions().size() + 1); // ends with a newline
        QCOMPARE(lines.last(), QString());
        // Ascending name order, one blank in front.
        QCOMPARE(lines.at(0), QStringLiteral(" -demo <bool>"));
        QCOMPARE(lines.at(1), QStringLiteral(" -flag: Takes no value"));
        QCOMPARE(lines.at(2),
                 QStringLiteral(" -fullscreen <bool>: Enable fullscreen mode (default value: false)"));
        QCOMPARE(lines.at(3), QStringLiteral(" -host <String>: Name of server host"));
        QCOMPARE(lines.at(4), QStringLiteral(" -port <int>: Server port to connect to"));
        QCOMPARE(lines.at(5), QStringLiteral(" -ratio <double> (default value: 1.5)"));
        QCOMPARE(lines.at(6), QStringLiteral(" -size <Size>: A size"));
    }

private:
    static QString captureHelp(CommandLineOptions& options)
    {
        QTemporaryFile file;
        if (!file.open())
            return QString();
        std::fflush(stdout);
        const int saved = ::dup(STDOUT_FILENO);
        ::dup2(file.handle(), STDOUT_FILENO);
        options.help();
        std::fflush(stdout);
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
        file.seek(0);
        return QString::fromLocal8Bit(file.readAll());
    }

    QTemporaryDir m_settingsDir;
};

QTEST_GUILESS_MAIN(TestCommandLineOptions)
#include "tst_commandlineoptions.moc"
