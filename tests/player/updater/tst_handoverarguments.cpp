// What the updater is told at the hand-over, and the Windows command line
// that carries it, read back the way a Windows program reads its arguments.
#include "handoverarguments.h"

#include <QTest>

using VeskGames::HandOverArguments;

namespace {

/// A Windows program's reading of its command line (the C runtime's rules).
QStringList windowsArgv(const QString& line)
{
    QStringList args;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (int i = 0; i < line.size();) {
        const QChar c = line.at(i);
        if (!quoted && (c == u' ' || c == u'\t')) {
            if (inArgument)
                args.append(current);
            current.clear();
            inArgument = false;
            ++i;
            continue;
        }
        inArgument = true;
        if (c == u'\\') {
            int slashes = 0;
            while (i < line.size() && line.at(i) == u'\\') {
                ++slashes;
                ++i;
            }
            if (i < line.size() && line.at(i) == u'"') {
                current += QString(slashes / 2, u'\\');
                if (slashes % 2) {
                    current += u'"';
                    ++i;
                }
            } else {
                current += QString(slashes, u'\\');
            }
            continue;
        }
        if (c == u'"') {
            quoted = !quoted;
            ++i;
            continue;
        }
        current += c;
        ++i;
    }
    if (inArgument)
        args.append(current);
    return args;
}

} // namespace

class TestHandOverArguments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void argumentList_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("autoRestart");
        QTest::addColumn<QStringList>("tail");
        QTest::newRow("restart with an option and its value")
            << ""
            << "/opt/vesk/player"
            << "-host  poker.example" << true
            << QStringList{"-restart", "/opt/vesk/player", "-restartAuto", "--", "-host", "poker.example"};
        QTest::newRow("an argument with a blank arrives split")
            << ""
            << "p"
            << "-theme Big Table" << false << QStringList{"-restart", "p", "--", "-theme", "Big", "Table"};
        QTest::newRow("a tag, nothing to restart") << "beta"
                                                   << ""
                                                   << "-x" << true << QStringList{"-tag", "beta"};
    }

    void argumentList()
    {
        QFETCH(QString, tag);
        QFETCH(QString, program);
        QFETCH(QString, arguments);
        QFETCH(bool, autoRestart);
        QFETCH(QStringList, tail);
        const HandOverArguments::Installation installation{"VeskPoker", "0.1.0", "/home/a/vesk/",
                                                           "http://u/updates/xmlrpc.php", tag};
        const QStringList list = HandOverArguments::list(installation, program, arguments, autoRestart);
        QCOMPARE(list.mid(0, 8),
                 (QStringList{"-component", "VeskPoker", "-version", "0.1.0", "-baseDir", "/home/a/vesk/",
                              "-serverInfo", "http://u/updates/xmlrpc.php"}));
        QCOMPARE(list.mid(8), tail);
    }

    void windowsCommandLineReadsBack_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("plain") << QStringList{"-component", "VeskPoker"};
        QTest::newRow("blanks and tabs") << QStringList{"C:\\Program Files\\Vesk", "a\tb"};
        QTest::newRow("empty") << QStringList{"", "x"};
        QTest::newRow("quotes") << QStringList{"say \"hi\"", "\"", "a\"b"};
        QTest::newRow("backslash before a quote") << QStringList{"a\\\"b", "a\\\\\"b"};
        QTest::newRow("backslashes at the end") << QStringList{"C:\\dir with space\\", "C:\\dir\\\\", "\\"};
    }

    void windowsCommandLineReadsBack()
    {
        QFETCH(QStringList, arguments);
        const QString line = HandOverArguments::windowsCommandLine(arguments);
        QVERIFY(line.startsWith(u' '));
        QCOMPARE(windowsArgv(line), arguments);
    }
};

QTEST_GUILESS_MAIN(TestHandOverArguments)
#include "tst_handoverarguments.moc"
