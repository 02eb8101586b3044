#include "textutils.h"

#include <QCoreApplication>
#include <QTest>

#include <climits>

using VeskGames::TextUtils;

class TestTextUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void amounts_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("half") << 0.5 << "0.50";
        QTest::newRow("whole") << 12.0 << "12";
        QTest::newRow("cents") << 12.5 << "12.50";
        QTest::newRow("rounds up to whole") << 11.999 << "12";
        QTest::newRow("negative") << -3.25 << "-3.25";
        QTest::newRow("rounding noise below zero") << -0.001 << "0";
        QTest::newRow("large") << 1234567.891 << "1234567.89";
    }

    void amounts()
    {
        QFETCH(double, amount);
        QTEST(TextUtils::doubleToString(amount), "text");
    }

    void currency_data()
    {
        QTest::addColumn<QString>("currency");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QChar>("sign");
        QTest::addColumn<QString>("text");
        QTest::newRow("euro") << "EUR" << 12.5 << QChar(0x20AC) << QString::fromUtf8("\u20AC12.50");
        QTest::newRow("euro whole") << "EUR" << 12.0 << QChar(0x20AC) << QString::fromUtf8("\u20AC12");
        QTest::newRow("other") << "USD" << 12.0 << QChar() << "12";
        QTest::newRow("lower case") << "eur" << 3.1 << QChar() << "3.10";
        QTest::newRow("none") << "" << 0.0 << QChar() << "0";
    }

    void currency()
    {
        QFETCH(QString, currency);
        QFETCH(double, amount);
        QTEST(TextUtils::currencyToChar(currency), "sign");
        QTEST(TextUtils::doubleToCurrencyString(amount, currency), "text");
    }

    void gameNames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shortName");
        QTest::newRow("cash hold'em") << 0x1001 << "Texas Hold'em"
                                      << "Texas";
        QTest::newRow("sng hold'em") << 0x2001 << "Sit & Go Texas Hold'em"
                                     << "SnG Texas";
        QTest::newRow("omaha freeroll") << 0x10002 << "Omaha Freeroll"
                                        << "Omaha";
        QTest::newRow("sng omaha freeroll") << 0x12002 << "Sit & Go Omaha Freeroll"
                                            << "SnG Omaha";
        QTest::newRow("both games") << 0x3 << "Texas Hold'em"
                                    << "Texas";
        QTest::newRow("fee and instant deal") << 0xC001 << "Texas Hold'em"
                                              << "Texas";
        QTest::newRow("no game") << 0x0 << ""
                                 << "";
    }

    void gameNames()
    {
        QFETCH(int, type);
        QTEST(TextUtils::gameTypeToString(type), "name");
        QTEST(TextUtils::gameTypeToSmallString(type), "shortName");
    }

    void limitsAndPlaces()
    {
        QCOMPARE(TextUtils::limitTypeToString(1), QStringLiteral("NL"));
        QCOMPARE(TextUtils::limitTypeToString(2), QStringLiteral("PL"));
        QCOMPARE(TextUtils::limitTypeToString(0), QStringLiteral("Unknown limit type"));
        QCOMPARE(TextUtils::limitTypeToString(3), QStringLiteral("Unknown limit type"));

        const QStringList named{"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th"};
        for (int place = 0; place < named.size(); ++place)
            QCOMPARE(TextUtils::placeToString(place), named.at(place));
        QCOMPARE(TextUtils::placeToString(10), QStringLiteral("11"));
        QCOMPARE(TextUtils::placeToString(-1), QStringLiteral("0"));
        QCOMPARE(TextUtils::placeToString(INT_MAX), QStringLiteral("2147483648"));
    }
};

QTEST_GUILESS_MAIN(TestTextUtils)
#include "tst_textutils.moc"
