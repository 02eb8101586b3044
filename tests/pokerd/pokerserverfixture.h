// What the protocol tests share: an in-process server with three small
// tables, accounts in a folder of their own, and the calls a client makes.
#ifndef POKERD_TEST_POKERSERVERFIXTURE_H
#define POKERD_TEST_POKERSERVERFIXTURE_H

#include "accountstore.h"
#include "passwordhash.h"
#include "pokerserver.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace PokerServerTest {

using namespace Pokerd;

inline const QString kDigest = PasswordHash::digestOf(QStringLiteral("demo"));

inline TableConfig table(const QString& id, int seats, int bots)
{
    TableConfig t;
    t.id = id;
    t.name = id;
    t.seats = seats;
    t.bots = bots;
    return t;
}

class Fixture : public QObject
{
    Q_OBJECT

protected:
    QTemporaryDir m_dir;
    std::unique_ptr<AccountStore> m_accounts;
    std::unique_ptr<PokerServer> m_server;

    xmlrpc::Response call(const QString& session, const QString& method, const QVariantList& params = {},
                          QString* created = nullptr, const QString& peer = QStringLiteral("10.0.0.1"))
    {
        QString fresh;
        QList<xmlrpc::Variant> values;
        for (const QVariant& v : params)
            values.append(v);
        const xmlrpc::Response response = m_server->call(method, values, session, &fresh, peer);
        if (created)
            *created = fresh;
        return response;
    }

    QString login(const QStringList& credentials, int mode = 1,
                  const QString& peer = QStringLiteral("10.0.0.1"))
    {
        QString session;
        const xmlrpc::Response r =
            call(QString(), "authenticate", {mode, credentials, QString("en_US"), 0}, &session, peer);
        return r.isFault() ? QString() : session;
    }

    QVariantList events(const QString& session) { return call(session, "refresh").value().toList(); }

    QVariantMap firstEvent(const QString& session, const QString& kind)
    {
        for (const QVariant& e : events(session)) {
            if (e.toMap().value("event") == kind)
                return e.toMap();
        }
        return {};
    }

    // The child session a table window would take over, with the gameOpen event.
    QString open(const QString& lobby, const QString& tableId, int* action = nullptr)
    {
        if (!call(lobby, "gameOpen", {tableId}).value().toBool())
            return QString();
        const QVariantMap e = firstEvent(lobby, "gameOpen");
        if (action)
            *action = e.value("action").toInt();
        return e.value("childSessionId").toString();
    }

    // A table session of \a user seated at "busy" with \a amount; empty when that failed.
    QString seatAtBusy(const QString& user, double amount)
    {
        const QString child = open(login({user, kDigest, "t"}), "busy");
        const bool seated = call(child, "userBuyin", {amount}).value().toBool() &&
                            call(child, "gameJoin", {child}).value().toBool();
        return seated ? child : QString();
    }

    // A table that loses or makes chips says so in a critical message:
    // kept here, and the test that caused it fails in cleanup().
    static inline QStringList s_chipFaults;
    static inline QtMessageHandler s_previousHandler = nullptr;

    static void catchChipFaults(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtCriticalMsg &&
            (message.contains("by its ledger") || message.contains("cents at the start")))
            s_chipFaults.append(message);
        if (s_previousHandler)
            s_previousHandler(type, context, message);
    }

protected Q_SLOTS:
    void init()
    {
        s_chipFaults.clear();
        s_previousHandler = qInstallMessageHandler(catchChipFaults);
        m_accounts = std::make_unique<AccountStore>(m_dir.path() + "/" + QTest::currentTestFunction() +
                                                    QTest::currentDataTag());
        QString error;
        QVERIFY2(m_accounts->open(&error), qPrintable(error));
        QVERIFY(m_accounts->addDemoUsers());
        Table::Timing timing;
        timing.botDelayMs = 1;
        timing.betweenHandsMs = 20;
        timing.actionTimeoutMs = 10000;
        m_server = std::make_unique<PokerServer>(
            m_accounts.get(),
            QList<TableConfig>{table("busy", 6, 3), table("pair", 2, 0), table("duel", 2, 1)}, 7, timing);
    }

    void cleanup()
    {
        m_server.reset();
        m_accounts.reset();
        qInstallMessageHandler(s_previousHandler);
        QVERIFY2(s_chipFaults.isEmpty(), qPrintable(s_chipFaults.join('\n')));
    }
};

} // namespace PokerServerTest

#endif
