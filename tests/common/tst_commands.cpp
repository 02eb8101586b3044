#include "compositecommand.h"
#include "parallelcommand.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using VeskGames::Command;
using VeskGames::CompositeCommand;
using VeskGames::ParallelCommand;

namespace {

/// A command whose end the test decides; it writes what happens to a log.
class StepCommand : public Command
{
    Q_OBJECT

public:
    StepCommand(const QString& name, QStringList* log, bool doneInExec = false, bool doneInFinish = false)
        : m_name(name), m_log(log), m_doneInExec(doneInExec), m_doneInFinish(doneInFinish)
    {}
    ~StepCommand() override { m_log->append("~" + m_name); }

    void exec() override
    {
        m_log->append("exec " + m_name);
        if (m_doneInExec)
            complete();
    }
    void finish() override
    {
        m_log->append("finish " + m_name);
        if (m_doneInFinish)
            complete();
    }
    void complete()
    {
        m_log->append("done " + m_name);
        emitDone();
    }

private:
    QString m_name;
    QStringList* m_log;
    bool m_doneInExec;
    bool m_doneInFinish;
};

void logContainer(Command* command, const QString& name, QStringList* log)
{
    QObject::connect(command, &Command::start, command, [=] { log->append("start " + name); });
    QObject::connect(command, &Command::done, command, [=] { log->append("done " + name); });
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyContainersFinishInsideExec()
    {
        QStringList log;
        CompositeCommand composite;
        ParallelCommand parallel;
        logContainer(&composite, "c", &log);
        logContainer(&parallel, "p", &log);
        composite.exec();
        parallel.exec();
        QCOMPARE(log, (QStringList{"start c", "done c", "start p", "done p"}));
    }

    void compositeRunsInOrder()
    {
        QStringList log;
        auto* a = new StepCommand("a", &log);
        auto* b = new StepCommand("b", &log);
        auto* c = new StepCommand("c", &log);
        {
            CompositeCommand composite({a, b, c}, true);
            logContainer(&composite, "all", &log);
            composite.exec();
            QCOMPARE(log, (QStringList{"start all", "exec a"}));
            a->complete();
            QCOMPARE(log.last(), QStringLiteral("exec b"));
            // A late second done of a finished child does not advance the sequence.
            a->complete();
            QCOMPARE(log.last(), QStringLiteral("done a"));
            b->complete();
            c->complete();
            QCOMPARE(log.mid(log.size() - 2), (QStringList{"done c", "done all"}));
            QCOMPARE(log.count("done all"), 1);
        }
        // Auto-deleting: the children go with the composite.
        QCOMPARE(log.mid(log.size() - 3), (QStringList{"~a", "~b", "~c"}));
    }

    void childrenDoneInsideExec()
    {
        QStringList log;
        CompositeCommand composite;
        composite.addCommand(new StepCommand("a", &log, true));
        composite.addCommand(new StepCommand("b", &log, true));
        QSignalSpy done(&composite, &Command::done);
        composite.exec();
        QCOMPARE(done.size(), 1);
        QCOMPARE(log, (QStringList{"exec a", "done a", "exec b", "done b"}));

        // Run again: the sequence starts over.
        log.clear();
        composite.exec();
        QCOMPARE(done.size(), 2);
        QCOMPARE(log, (QStringList{"exec a", "done a", "exec b", "done b"}));
    }

    void nullCommandsAreIgnored()
    {
        CompositeCommand composite;
        composite.addCommand(nullptr);
        ParallelCommand parallel({nullptr}, true);
        QVERIFY(composite.commands().isEmpty());
        QVERIFY(parallel.commands().isEmpty());
    }

    void finishingAComposite_data()
    {
        QTest::addColumn<bool>("autoDelete");
        QTest::newRow("auto-delete") << true;
        QTest::newRow("keep children") << false;
    }

    void finishingAComposite()
    {
        QFETCH(bool, autoDelete);
        QStringList log;
        auto* a = new StepCommand("a", &log, false, true);
        auto* b = new StepCommand("b", &log, false, true);
        QPointer<StepCommand> ga(a), gb(b);
        CompositeCommand composite({a, b}, autoDelete);
        QSignalSpy done(&composite, &Command::done);
        composite.exec();
        composite.finish();
        // Finished children were cut loose first: their done does not start others.
        QCOMPARE(done.size(), 0);
        QVERIFY(composite.commands().isEmpty());
        QCOMPARE(log.count("exec b"), 0);
        QVERIFY(log.contains("finish a") && log.contains("finish b"));
        QCOMPARE(ga.isNull(), autoDelete);
        QCOMPARE(gb.isNull(), autoDelete);
        if (!autoDelete) {
            delete a;
            delete b;
        }
    }

    void parallelWaitsForEveryChild()
    {
        QStringList log;
        auto* a = new StepCommand("a", &log);
        auto* b = new StepCommand("b", &log, true);
        auto* c = new StepCommand("c", &log);
        ParallelCommand parallel({a, b, c}, true);
        QSignalSpy done(&parallel, &Command::done);
        parallel.exec();
        QCOMPARE(log.mid(0, 4), (QStringList{"exec a", "exec b", "done b", "exec c"}));
        c->complete();
        QCOMPARE(done.size(), 0);
        a->complete();
        QCOMPARE(done.size(), 1);
    }

    void finishingAParallelCountsDown_data()
    {
        QTest::addColumn<bool>("ran");
        QTest::newRow("running") << true;
        QTest::newRow("cut short before its turn") << false;
    }

    void finishingAParallelCountsDown()
    {
        // Whoever waits for the group (a pot paying out) hears start and done
        // exactly once, whether or not it ran.
        QFETCH(bool, ran);
        QStringList log;
        ParallelCommand parallel;
        parallel.addCommand(new StepCommand("a", &log, false, true));
        parallel.addCommand(new StepCommand("b", &log, false, true));
        QSignalSpy started(&parallel, &Command::start);
        QSignalSpy done(&parallel, &Command::done);
        if (ran)
            parallel.exec();
        parallel.finish();
        parallel.finish();
        QCOMPARE(started.size(), 1);
        QCOMPARE(done.size(), 1);
        QVERIFY(parallel.commands().isEmpty());
        QVERIFY(log.contains("~a") && log.contains("~b"));
    }

    void nestedContainers()
    {
        // A sequence of two parallel groups: the second group starts only
        // when every command of the first is done.
        QStringList log;
        auto* a = new StepCommand("a", &log);
        auto* b = new StepCommand("b", &log);
        auto* c = new StepCommand("c", &log, true);
        auto* first = new ParallelCommand({a, b}, true);
        auto* second = new ParallelCommand({c}, true);
        CompositeCommand sequence({first, second}, true);
        QSignalSpy done(&sequence, &Command::done);
        sequence.exec();
        a->complete();
        QVERIFY(!log.contains("exec c"));
        b->complete();
        QVERIFY(log.contains("exec c"));
        QCOMPARE(done.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
