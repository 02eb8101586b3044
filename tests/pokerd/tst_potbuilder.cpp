#include "potbuilder.h"

#include <QTest>

using namespace Pokerd;

using Contributions = QMap<int, Cents>;

namespace {
QString describe(const QList<Pot>& pots)
{
    QStringList parts;
    for (const Pot& pot : pots) {
        QStringList seats;
        for (int seat : pot.eligible)
            seats << QString::number(seat);
        parts << QStringLiteral("%1:[%2]").arg(pot.amount).arg(seats.join(','));
    }
    return parts.join(' ');
}
} // namespace

class TestPotBuilder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pots_data()
    {
        QTest::addColumn<Contributions>("committed");
        QTest::addColumn<QList<int>>("folded");
        QTest::addColumn<QString>("pots");

        QTest::newRow("one pot") << Contributions{{0, 100}, {1, 100}, {2, 100}} << QList<int>()
                                 << "300:[0,1,2]";
        QTest::newRow("three all-ins of different sizes")
            << Contributions{{0, 50}, {1, 200}, {2, 500}, {3, 500}} << QList<int>()
            << "200:[0,1,2,3] 450:[1,2,3] 600:[2,3]";
        QTest::newRow("folded money stays in")
            << Contributions{{0, 30}, {1, 100}, {2, 100}} << QList<int>{0} << "230:[1,2]";
        QTest::newRow("folded above a short all-in") << Contributions{{0, 80}, {1, 40}, {2, 100}, {3, 100}}
                                                     << QList<int>{0} << "160:[1,2,3] 160:[2,3]";
        QTest::newRow("nothing in") << Contributions{{0, 0}, {1, 0}} << QList<int>() << "";
    }

    void pots()
    {
        QFETCH(Contributions, committed);
        QFETCH(QList<int>, folded);
        QFETCH(QString, pots);
        const QList<Pot> built = buildPots(committed, folded);
        QCOMPARE(describe(built), pots);
        Cents total = 0;
        for (const Pot& pot : built)
            total += pot.amount;
        Cents in = 0;
        for (Cents c : committed)
            in += c;
        QCOMPARE(total, in); // every cent is in some pot
    }

    void split_data()
    {
        QTest::addColumn<Cents>("amount");
        QTest::addColumn<QList<int>>("winners");
        QTest::addColumn<QList<Cents>>("shares");
        QTest::addColumn<Cents>("chip");
        QTest::newRow("even") << Cents(300) << QList<int>{4, 1} << QList<Cents>{150, 150} << Cents(1);
        QTest::newRow("odd cent to the first")
            << Cents(301) << QList<int>{4, 1} << QList<Cents>{151, 150} << Cents(1);
        QTest::newRow("three ways, two odd")
            << Cents(302) << QList<int>{2, 5, 0} << QList<Cents>{101, 101, 100} << Cents(1);
        QTest::newRow("single") << Cents(77) << QList<int>{3} << QList<Cents>{77} << Cents(1);
        // Tournament chips: whole units, the odd chip to the first.
        QTest::newRow("odd chip to the first")
            << Cents(30100) << QList<int>{4, 1} << QList<Cents>{15100, 15000} << Cents(100);
        QTest::newRow("less than a chip to the first")
            << Cents(30150) << QList<int>{4, 1} << QList<Cents>{15150, 15000} << Cents(100);
        QTest::newRow("three ways in chips")
            << Cents(100000) << QList<int>{2, 5, 0} << QList<Cents>{33400, 33300, 33300} << Cents(100);
    }

    void split()
    {
        QFETCH(Cents, amount);
        QFETCH(QList<int>, winners);
        QFETCH(QList<Cents>, shares);
        QFETCH(Cents, chip);
        const QMap<int, Cents> result = splitPot(amount, winners, chip);
        for (int i = 0; i < winners.size(); ++i)
            QCOMPARE(result.value(winners.at(i)), shares.at(i));
    }
};

QTEST_GUILESS_MAIN(TestPotBuilder)
#include "tst_potbuilder.moc"
