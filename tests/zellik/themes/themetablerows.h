// The default theme's tables as the test data file writes them down, and the
// data-driven rows built from them. Included by the theme test only.
#ifndef THEMETABLEROWS_H
#define THEMETABLEROWS_H

#include "abstracttheme.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>

namespace {

using VeskGames::AbstractTheme;

// The default theme's tables as written down in the test data file.
const QJsonObject& themeTables()
{
    static const QJsonObject tables = [] {
        QFile file(QStringLiteral(TEST_DATA_DIR "/defaultthemetables.json"));
        if (!file.open(QIODevice::ReadOnly))
            return QJsonObject();
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return tables;
}

QJsonValue tableValue(const char* key)
{
    return themeTables().value(QLatin1String(key));
}

QPointF jsonPoint(const QJsonValue& value)
{
    const QJsonArray xy = value.toArray();
    return xy.size() == 2 ? QPointF(xy.at(0).toDouble(), xy.at(1).toDouble()) : QPointF(-1e9, -1e9);
}

QSize jsonSize(const QJsonValue& value)
{
    const QJsonArray wh = value.toArray();
    return wh.size() == 2 ? QSize(wh.at(0).toInt(), wh.at(1).toInt()) : QSize();
}

// The seat counts a table lists, smallest first ("10" sorts after "9").
QList<int> seatCounts(const QJsonObject& table)
{
    QList<int> counts;
    for (const QString& key : table.keys())
        counts << key.toInt();
    std::sort(counts.begin(), counts.end());
    return counts;
}

// The seat list of one count, for each kind of per-seat table, as the data file writes it.
QList<QPointF> pointsOf(const QJsonValue& seats)
{
    QList<QPointF> result;
    for (const QJsonValue& seat : seats.toArray())
        result << jsonPoint(seat);
    return result;
}

QList<qreal> rotationsOf(const QJsonValue& seats)
{
    QList<qreal> result;
    for (const QJsonValue& seat : seats.toArray())
        result << seat.toDouble(-1e9);
    return result;
}

// "B R L" with the letter codes of the data file; an unknown letter gives -1.
QList<int> alignmentsOf(const QJsonValue& seats)
{
    const QJsonObject codes = tableValue("alignmentCodes").toObject();
    QList<int> result;
    for (const QString& letter : seats.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        result << codes.value(letter).toInt(-1);
    return result;
}

// "221 110": per seat, digit k is how many column widths a pile of k columns moves right.
QList<QList<int>> stackLayoutsOf(const QJsonValue& seats)
{
    QList<QList<int>> result;
    for (const QString& digits : seats.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QList<int> shifts;
        for (const QChar digit : digits)
            shifts << digit.digitValue();
        result << shifts;
    }
    return result;
}

using SeatPoints = QList<QPointF> (AbstractTheme::*)(int);
using SeatAlignments = QList<Qt::Alignment> (AbstractTheme::*)(int);
using SeatStackLayouts = QList<QList<int>> (AbstractTheme::*)(int);
using SeatRotations = QList<qreal> (AbstractTheme::*)(int);

template <typename Function> struct SeatTable
{
    const char* name;
    Function function;
};

const SeatTable<SeatPoints> kPointTables[] = {
    {"playerPositions", &AbstractTheme::playerPositions},
    {"playerStackPositions", &AbstractTheme::playerStackPositions},
    {"dealerButtonPositions", &AbstractTheme::dealerButtonPositions},
    {"playerInstaDealPositions", &AbstractTheme::playerInstaDealPositions},
    {"playerInstaDealStackPositions", &AbstractTheme::playerInstaDealStackPositions},
    {"dealerButtonInstaDealPositions", &AbstractTheme::dealerButtonInstaDealPositions},
};
const SeatTable<SeatAlignments> kAlignmentTables[] = {
    {"playerStackValueTextAlignment", &AbstractTheme::playerStackValueTextAlignment},
    {"playerTimerTextAlignment", &AbstractTheme::playerTimerTextAlignment},
    {"playerInstaDealStackValueTextAlignment", &AbstractTheme::playerInstaDealStackValueTextAlignment},
    {"playerInstaDealTimerTextAlignment", &AbstractTheme::playerInstaDealTimerTextAlignment},
};
const SeatTable<SeatStackLayouts> kStackLayoutTables[] = {
    {"playerStackLayout", &AbstractTheme::playerStackLayout},
    {"playerInstaDealStackLayout", &AbstractTheme::playerInstaDealStackLayout},
};
const SeatTable<SeatRotations> kRotationTables[] = {
    {"playerRotations", &AbstractTheme::playerRotations},
};

template <typename Function, size_t N>
Function findTable(const SeatTable<Function> (&tables)[N], const QString& name)
{
    for (const SeatTable<Function>& table : tables) {
        if (name == QLatin1String(table.name))
            return table.function;
    }
    return nullptr;
}

template <typename Function, size_t N> QStringList tableNames(const SeatTable<Function> (&tables)[N])
{
    QStringList names;
    for (const SeatTable<Function>& table : tables)
        names << QString::fromLatin1(table.name);
    return names;
}

// One row per seat of every listed count, one per empty list, and one per
// illegal count of every table in \a group of the data file.
template <typename Value>
void addSeatRows(const char* group, QList<Value> (*expectedSeats)(const QJsonValue&))
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("seat"); // -1: a row about the list's length only
    QTest::addColumn<int>("length");
    QTest::addColumn<Value>("expected");
    QTest::addColumn<bool>("illegal");
    const QJsonObject tables = tableValue(group).toObject();
    const QJsonArray illegalCounts = tableValue("illegalCounts").toArray();
    for (auto table = tables.begin(); table != tables.end(); ++table) {
        const QByteArray name = table.key().toUtf8();
        const QJsonObject byCount = table.value().toObject();
        for (const int count : seatCounts(byCount)) {
            const QList<Value> seats = expectedSeats(byCount.value(QString::number(count)));
            if (seats.isEmpty())
                QTest::addRow("%s %d: empty", name.constData(), count)
                    << table.key() << count << -1 << 0 << Value() << false;
            for (int seat = 0; seat < seats.size(); ++seat)
                QTest::addRow("%s %d: seat %d", name.constData(), count, seat)
                    << table.key() << count << seat << int(seats.size()) << seats.at(seat) << false;
        }
        for (const QJsonValue& count : illegalCounts)
            QTest::addRow("%s %d: illegal", name.constData(), count.toInt())
                << table.key() << count.toInt() << -1 << 0 << Value() << true;
    }
}

template <typename T> const T& comparable(const T& value)
{
    return value;
}

int comparable(Qt::Alignment alignment)
{
    return int(alignment);
}

// Checks the current row of addSeatRows() against \a theme.
template <typename Value, typename Function, size_t N>
void checkSeatRow(AbstractTheme* theme, const SeatTable<Function> (&tables)[N])
{
    QFETCH(QString, table);
    QFETCH(int, count);
    QFETCH(int, seat);
    QFETCH(int, length);
    QFETCH(Value, expected);
    QFETCH(bool, illegal);
    const Function function = findTable(tables, table);
    QVERIFY2(function, qPrintable(QStringLiteral("no table named ") + table));
    if (illegal)
        QTest::ignoreMessage(QtWarningMsg, "Illegal player count");
    else
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    const auto actual = (theme->*function)(count);
    QCOMPARE(actual.size(), length);
    if (seat >= 0)
        QCOMPARE(comparable(actual.at(seat)), expected);
}

} // namespace

#endif
