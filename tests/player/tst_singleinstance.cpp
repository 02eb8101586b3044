#include "singleinstance.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <memory>

using VeskGames::SingleInstance;

namespace {
QString freshIdentifier()
{
    return QStringLiteral("VeskTest-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

/// Starts a holder process and returns once it said what it got.
std::unique_ptr<QProcess> startHolder(const QString& identifier, QByteArray* answer)
{
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(HOLDER_PATH), {identifier});
    if (!process->waitForStarted(10000))
        return process;
    while (!process->canReadLine() && process->state() == QProcess::Running)
        process->waitForReadyRead(10000);
    *answer = process->readLine().trimmed();
    return process;
}
} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondProcessIsRefused()
    {
        const QString id = freshIdentifier();
        QByteArray answer;
        auto first = startHolder(id, &answer);
        QCOMPARE(answer, QByteArray("claimed"));
        QVERIFY(SingleInstance::isRunning(id));

        auto second = startHolder(id, &answer);
        QCOMPARE(answer, QByteArray("refused"));
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);

        // The first instance heard nothing from the second and still runs.
        QCOMPARE(first->state(), QProcess::Running);
        QVERIFY(first->readAll().isEmpty());

        first->closeWriteChannel();
        QVERIFY(first->waitForFinished(10000));
        QVERIFY(!SingleInstance::isRunning(id));
        auto third = startHolder(id, &answer);
        QCOMPARE(answer, QByteArray("claimed"));
        third->closeWriteChannel();
        QVERIFY(third->waitForFinished(10000));
    }

    void claimOfAKilledProcessIsTakenOver()
    {
        const QString id = freshIdentifier();
        QByteArray answer;
        auto first = startHolder(id, &answer);
        QCOMPARE(answer, QByteArray("claimed"));
        first->kill(); // SIGKILL: no clean-up at all
        QVERIFY(first->waitForFinished(10000));

        auto next = startHolder(id, &answer);
        QCOMPARE(answer, QByteArray("claimed"));
        next->closeWriteChannel();
        QVERIFY(next->waitForFinished(10000));
    }

    void giveUpAndClaimAgain()
    {
        const QString id = freshIdentifier();
        SingleInstance first(id);
        QVERIFY(first.claim());
        QVERIFY(first.claim()); // claiming twice is harmless
        QVERIFY(first.isClaimed());

        SingleInstance second(id);
        QVERIFY(!second.claim());
        QVERIFY(!second.isClaimed());

        first.release();
        QVERIFY(!first.isClaimed());
        QVERIFY(second.claim());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
