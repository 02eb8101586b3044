// One-time tickets on a clock the test turns: used once, for their purpose,
// within their minute, and never more of them than the caps allow.
#include "ticketstore.h"

#include <QMap>
#include <QSet>
#include <QTest>
#include <QUrl>

using namespace Pokerd;

Q_DECLARE_METATYPE(Pokerd::TicketStore::Purpose)

class TestTicketStore : public QObject
{
    Q_OBJECT

    qint64 m_now = 1000;

    TicketStore::Clock clock()
    {
        return [this] { return m_now; };
    }

private Q_SLOTS:
    void init() { m_now = 1000; }

    void redeeming_data()
    {
        QTest::addColumn<TicketStore::Purpose>("issuedFor");
        QTest::addColumn<TicketStore::Purpose>("presentedFor");
        QTest::addColumn<qint64>("laterMs");
        QTest::addColumn<QString>("presented"); ///< what is made of the ticket
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("ticketLeft"); ///< the real one still works afterwards

        const auto page = TicketStore::WebPage;
        const auto topUp = TicketStore::TopUp;
        QTest::newRow("at once") << page << page << qint64(0) << "as is" << true << false;
        QTest::newRow("top-up token") << topUp << topUp << qint64(0) << "as is" << true << false;
        QTest::newRow("just in time") << page << page << qint64(59999) << "as is" << true << false;
        QTest::newRow("a minute on") << page << page << qint64(60000) << "as is" << false << false;
        QTest::newRow("hours on") << page << page << qint64(3600000) << "as is" << false << false;
        // Shown for the wrong purpose it is spent all the same: no second try.
        QTest::newRow("page ticket as top-up") << page << topUp << qint64(0) << "as is" << false << false;
        QTest::newRow("top-up token as page") << topUp << page << qint64(0) << "as is" << false << false;
        // Guesses cost the real ticket nothing.
        QTest::newRow("empty") << page << page << qint64(0) << "empty" << false << true;
        QTest::newRow("garbage") << page << page << qint64(0) << "garbage" << false << true;
        QTest::newRow("in capitals") << page << page << qint64(0) << "upper" << false << true;
        QTest::newRow("one more digit") << page << page << qint64(0) << "longer" << false << true;
        QTest::newRow("one digit less") << page << page << qint64(0) << "shorter" << false << true;
        QTest::newRow("made up") << page << page << qint64(0) << "made up" << false << true;
    }

    void redeeming()
    {
        QFETCH(TicketStore::Purpose, issuedFor);
        QFETCH(TicketStore::Purpose, presentedFor);
        QFETCH(qint64, laterMs);
        QFETCH(QString, presented);
        QFETCH(bool, accepted);
        QFETCH(bool, ticketLeft);
        TicketStore store(clock());
        const QString ticket = store.issue(QStringLiteral("anna"), issuedFor);
        const QMap<QString, QString> made{{"as is", ticket},
                                          {"empty", QString()},
                                          {"garbage", "<b>' OR 1=1</b>"},
                                          {"upper", ticket.toUpper()},
                                          {"longer", ticket + '0'},
                                          {"shorter", ticket.chopped(1)},
                                          {"made up", QString(ticket.size(), u'a')}};
        const QString shown = made.value(presented);
        m_now += laterMs;
        QCOMPARE(store.redeem(shown, presentedFor), accepted ? QStringLiteral("anna") : QString());
        // Once is all.
        QCOMPARE(store.redeem(shown, presentedFor), QString());
        QCOMPARE(store.redeem(ticket, issuedFor), ticketLeft ? QStringLiteral("anna") : QString());
    }

    void ticketsAreBoundToTheirUser()
    {
        TicketStore store(clock());
        const QString anna = store.issue(QStringLiteral("anna"), TicketStore::WebPage);
        const QString bert = store.issue(QStringLiteral("bert"), TicketStore::WebPage);
        QCOMPARE(store.redeem(bert, TicketStore::WebPage), QStringLiteral("bert"));
        QCOMPARE(store.redeem(anna, TicketStore::WebPage), QStringLiteral("anna"));
        // Nobody logged in gets none.
        QCOMPARE(store.issue(QString(), TicketStore::WebPage), QString());
        QCOMPARE(store.outstanding(), 0);
    }

    void ticketsCannotBeGuessed()
    {
        TicketStore store;
        QSet<QString> seen;
        for (int i = 0; i < 2000; ++i) {
            const QString ticket = store.issue(QStringLiteral("user%1").arg(i % 200), TicketStore::WebPage);
            // At least 128 bits, written in characters an address carries as they are.
            QVERIFY2(ticket.size() >= 32, qPrintable(ticket));
            QCOMPARE(QUrl::toPercentEncoding(ticket), ticket.toLatin1());
            seen.insert(ticket);
        }
        QCOMPARE(seen.size(), 2000);
    }

    void outstandingTicketsAreCapped()
    {
        TicketStore store(clock());
        QStringList tickets;
        for (int i = 0; i <= TicketStore::MaximumPerUser; ++i) {
            tickets.append(store.issue(QStringLiteral("anna"), TicketStore::WebPage));
            ++m_now;
        }
        const QString bert = store.issue(QStringLiteral("bert"), TicketStore::TopUp);
        QCOMPARE(store.outstanding(), TicketStore::MaximumPerUser + 1);
        // The oldest made room for the newest; another user's stays.
        QCOMPARE(store.redeem(tickets.first(), TicketStore::WebPage), QString());
        for (qsizetype i = 1; i < tickets.size(); ++i)
            QCOMPARE(store.redeem(tickets.at(i), TicketStore::WebPage), QStringLiteral("anna"));
        QCOMPARE(store.redeem(bert, TicketStore::TopUp), QStringLiteral("bert"));
    }

    void expiredTicketsAreSwept()
    {
        TicketStore store(clock());
        for (int i = 0; i < 10; ++i)
            store.issue(QStringLiteral("user%1").arg(i), TicketStore::WebPage);
        m_now += TicketStore::LifetimeMs / 2;
        const QString young = store.issue(QStringLiteral("anna"), TicketStore::WebPage);
        QCOMPARE(store.outstanding(), 11);
        m_now += TicketStore::LifetimeMs / 2;
        store.issue(QStringLiteral("bert"), TicketStore::WebPage);
        // The first ten are gone, the one half a minute old is kept.
        QCOMPARE(store.outstanding(), 2);
        QCOMPARE(store.redeem(young, TicketStore::WebPage), QStringLiteral("anna"));
    }
};

QTEST_GUILESS_MAIN(TestTicketStore)
#include "tst_ticketstore.moc"
