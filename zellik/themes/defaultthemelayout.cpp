#include "defaultthemelayout.h"
#include "zelliklogging.h"

#include <QDebug>
#include <QString>

namespace VeskGames {
namespace DefaultThemeLayout {

namespace {

constexpr int MaxSeats = 10;

// Each table holds one row per seat count (index 0 is one seat). Points are
// written "x,y x,y ...", alignments as letters, chip layouts as digit triples.

const char* const kSeatPositions[2][MaxSeats] = {
    {
        "15,185",
        "354,366 354,1",
        "354,366 222,1 496,1",
        "695,178 354,366 14,178 354,1",
        "695,178 354,366 14,178 222,1 496,1",
        "695,178 496,366 222,366 14,178 222,1 496,1",
        "715,185 565,375 185,375 15,185 185,0 365,0 565,0",
        "695,178 555,366 354,366 160,366 14,178 160,1 354,1 555,1",
        "715,125 715,250 565,375 365,375 185,375 15,185 185,0 365,0 565,0",
        "695,114 695,242 555,366 354,366 160,366 14,242 14,114 160,1 354,1 555,1",
    },
    {
        "",
        "354,366 354,1",
        "354,366 222,1 496,1",
        "354,366 14,178 354,1 695,178",
        "354,366 14,178 222,1 496,1 695,178",
        "354,366 14,178 160,1 354,1 555,1 695,178",
        "354,366 14,178 160,1 354,1 555,1 695,125 695,250",
        "354,366 14,242 14,114 160,1 354,1 555,1 695,114 695,242",
        "354,366 14,242 14,114 160,1 354,1 555,1 695,114 695,242 555,366",
        "354,366 160,366 14,242 14,114 160,1 354,1 555,1 695,114 695,242 555,366",
    },
};

const char* const kStackPositions[2][MaxSeats] = {
    {
        "190,250",
        "382,350 382,145",
        "382,350 250,145 524,145",
        "612,237 382,350 137,237 382,145",
        "612,237 382,350 137,237 250,145 524,145",
        "612,237 524,350 250,350 137,237 250,145 524,145",
        "680,250 560,360 320,360 190,250 270,150 430,150 610,150",
        "612,237 583,350 382,350 188,350 137,237 188,145 382,145 583,145",
        "680,200 680,310 610,360 430,360 270,360 190,250 270,150 430,150 610,150",
        "612,173 612,301 583,350 382,350 188,350 137,301 137,173 188,145 382,145 583,145",
    },
    {
        "",
        "382,335 382,145",
        "382,335 250,145 524,145",
        "382,335 137,237 382,145 612,237",
        "382,335 137,237 250,145 524,145 612,237",
        "382,335 137,237 188,145 382,145 583,145 612,237",
        "382,335 137,237 188,145 382,145 583,145 612,173 612,301",
        "382,335 137,301 137,173 188,145 382,145 583,145 612,173 612,301",
        "382,335 137,301 137,173 188,145 382,145 583,145 612,173 612,301 583,350",
        "382,335 188,350 137,301 137,173 188,145 382,145 583,145 612,173 612,301 583,350",
    },
};

const char* const kDealerButtonPositions[2][MaxSeats] = {
    {
        "15,185",
        "338,356 472,90",
        "338,356 340,90 614,90",
        "673,300 338,356 123,169 472,90",
        "673,300 338,356 123,169 340,90 614,90",
        "673,300 480,356 206,356 123,169 340,90 614,90",
        "715,185 565,375 185,375 15,185 185,0 365,0 565,0",
        "673,300 539,356 338,356 144,356 123,169 278,90 472,90 673,90",
        "715,125 715,250 565,375 365,375 185,375 15,185 185,0 365,0 565,0",
        "673,228 673,356 539,356 338,356 144,356 123,356 123,228 278,90 472,90 673,90",
    },
    {
        "",
        "338,356 472,90",
        "338,356 340,90 614,90",
        "338,356 123,169 472,90 673,300",
        "338,356 123,169 340,90 614,90 673,300",
        "338,356 123,169 278,90 472,90 673,90 673,300",
        "338,356 123,169 278,90 472,90 673,90 673,228 673,356",
        "338,356 123,356 123,228 278,90 472,90 673,90 673,228 673,356",
        "338,356 123,356 123,228 278,90 472,90 673,90 673,228 673,356 539,356",
        "338,356 144,356 123,356 123,228 278,90 472,90 673,90 673,228 673,356 539,356",
    },
};

const char* const kStackTextAlignment[2][MaxSeats] = {
    {"T", "RL", "RLL", "BRBL", "BRBLL", "BRRBLL", "TTTTBBB", "BRRRBLLL", "BTTTTTBBB", "BBRRRBBLLL"},
    {"", "RL", "RLL", "RBLB", "RBLLB", "RBLLLB", "RBLLLBB", "RBBLLLBB", "RBBLLLBBR", "RRBBLLLBBR"},
};

const char* const kTimerTextAlignment[2][MaxSeats] = {
    {"T", "BL", "BLL", "TBTL", "TBTLL", "TBBTLL", "TTTTBBB", "TBBBTLLL", "TBTTTTBBB", "TTBBBTTLLL"},
    {"", "BL", "BLL", "BTLT", "BTLLT", "BTLLLT", "BTLLLTT", "BTTLLLTT", "BTTLLLTTB", "BBTTLLLTTB"},
};

const char* const kStackLayout[2][MaxSeats] = {
    {
        "000",
        "111 111",
        "111 111 211",
        "221 110 111 211",
        "221 110 111 211 210",
        "221 110 211 111 211 210",
        "000 000 000 000 000 000 000",
        "221 110 111 211 111 211 111 210",
        "000 000 000 000 000 000 000 000 000",
        "221 221 110 111 211 111 111 211 111 210",
    },
    {
        "",
        "111 111",
        "111 111 211",
        "111 111 211 221",
        "111 110 211 210 210",
        "111 111 211 111 210 221",
        "111 111 211 111 210 221 221",
        "111 111 111 211 111 210 221 221",
        "111 111 111 211 111 210 221 221 110",
        "111 211 111 111 211 111 210 221 221 110",
    },
};

const char* row(const char* const (&table)[2][MaxSeats], Layout layout, int count)
{
    if (count < 1 || count > MaxSeats) {
        qCWarning(lcTheme, "Illegal player count");
        return nullptr;
    }
    return table[layout == Layout::Normal ? 0 : 1][count - 1];
}

QList<QPointF> points(const char* text)
{
    QList<QPointF> result;
    if (!text)
        return result;
    const QStringList pairs = QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const int comma = pair.indexOf(QLatin1Char(','));
        result.append(QPointF(pair.left(comma).toInt(), pair.mid(comma + 1).toInt()));
    }
    return result;
}

QList<Qt::Alignment> alignments(const char* text)
{
    QList<Qt::Alignment> result;
    for (const char* c = text; c && *c; ++c) {
        switch (*c) {
        case 'L':
            result.append(Qt::AlignLeft);
            break;
        case 'R':
            result.append(Qt::AlignRight);
            break;
        case 'T':
            result.append(Qt::AlignTop);
            break;
        case 'B':
            result.append(Qt::AlignBottom);
            break;
        default:
            break;
        }
    }
    return result;
}

QList<QList<int>> chipLayouts(const char* text)
{
    QList<QList<int>> result;
    if (!text)
        return result;
    const QStringList seats = QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& seat : seats) {
        QList<int> shifts;
        for (const QChar digit : seat)
            shifts.append(digit.digitValue());
        result.append(shifts);
    }
    return result;
}

} // namespace

QList<QPointF> seatPositions(Layout layout, int count)
{
    return points(row(kSeatPositions, layout, count));
}

QList<QPointF> stackPositions(Layout layout, int count)
{
    return points(row(kStackPositions, layout, count));
}

QList<QPointF> dealerButtonPositions(Layout layout, int count)
{
    return points(row(kDealerButtonPositions, layout, count));
}

QList<Qt::Alignment> stackTextAlignment(Layout layout, int count)
{
    return alignments(row(kStackTextAlignment, layout, count));
}

QList<Qt::Alignment> timerTextAlignment(Layout layout, int count)
{
    return alignments(row(kTimerTextAlignment, layout, count));
}

QList<QList<int>> stackLayout(Layout layout, int count)
{
    return chipLayouts(row(kStackLayout, layout, count));
}

} // namespace DefaultThemeLayout
} // namespace VeskGames
