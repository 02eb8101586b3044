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
        "715,185 565,366 185,366 15,185 185,0 365,0 565,0",
        "695,178 555,366 354,366 160,366 14,178 160,1 354,1 555,1",
        "715,125 715,250 565,366 365,366 185,366 15,185 185,0 365,0 565,0",
        "715,114 715,242 555,366 354,366 160,366 4,242 4,114 160,1 354,1 555,1",
    },
    {
        "",
        "354,366 354,1",
        "354,366 222,1 496,1",
        "354,366 14,178 354,1 695,178",
        "354,366 14,178 222,1 496,1 695,178",
        "354,366 14,178 160,1 354,1 555,1 695,178",
        "354,366 14,178 160,1 354,1 555,1 715,125 715,250",
        "354,366 4,242 4,114 160,1 354,1 555,1 715,114 715,242",
        "354,366 4,242 4,114 160,1 354,1 555,1 715,114 715,242 555,366",
        "354,366 160,366 4,242 4,114 160,1 354,1 555,1 715,114 715,242 555,366",
    },
};

const char* const kStackPositions[2][MaxSeats] = {
    {
        "190,250",
        "416,328 416,140",
        "416,328 284,140 516,140",
        "668,328 416,328 128,324 416,140",
        "668,328 416,328 128,324 284,140 516,140",
        "628,184 516,328 240,328 128,324 284,140 520,140",
        "612,248 628,328 356,420 128,324 248,140 428,140 628,140",
        "592,248 596,328 416,328 236,328 128,324 224,140 416,140 576,140",
        "612,220 648,252 612,328 428,328 248,328 188,184 292,144 400,140 608,160",
        "612,208 648,248 612,328 388,328 304,328 176,328 176,240 176,140 424,140 612,140",
    },
    {
        "",
        "416,328 416,140",
        "416,328 284,140 516,140",
        "416,328 128,324 416,140 668,328",
        "416,328 128,324 284,140 516,140 668,328",
        "416,328 128,324 224,140 416,140 576,140 668,328",
        "416,328 128,324 224,140 416,140 612,140 612,240 612,352",
        "416,328 164,352 176,252 176,140 424,140 612,140 612,232 612,352",
        "416,328 164,352 176,240 176,140 424,140 612,140 612,208 648,248 612,328",
        "388,328 304,328 176,328 176,240 176,140 424,140 612,140 612,208 648,248 612,328",
    },
};

const char* const kDealerButtonPositions[2][MaxSeats] = {
    {
        "15,185",
        "364,368 328,56",
        "364,368 196,80 468,56",
        "704,180 364,368 172,256 328,56",
        "704,180 364,368 172,256 196,80 468,56",
        "720,288 508,368 232,368 172,256 196,80 628,112",
        "740,296 576,368 196,368 176,260 144,112 516,112 616,168",
        "704,180 564,368 364,368 172,352 172,256 144,112 504,112 544,112",
        "724,128 688,284 576,368 376,368 196,368 120,296 212,112 372,112 576,112",
        "724,224 688,284 564,368 364,368 280,296 176,268 164,196 300,112 348,112 608,168",
    },
    {
        "",
        "364,368 328,56",
        "364,368 196,80 468,56",
        "364,368 172,256 328,56 704,180",
        "364,368 172,256 196,80 468,56 704,180",
        "364,368 172,256 144,112 504,112 544,112 704,180",
        "364,368 172,256 144,112 504,112 608,168 724,128 688,284",
        "364,368 176,284 172,190 300,112 348,112 596,168 724,224 688,284",
        "364,368 176,284 164,196 300,112 348,112 608,168 724,224 688,284 564,368",
        "364,368 280,296 176,268 164,196 300,112 348,112 608,168 724,224 688,284 564,368",
    },
};

const char* const kStackTextAlignment[2][MaxSeats] = {
    {"T", "LL", "LLR", "LLTL", "LLTLR", "TRRTLL", "TLTRLLL", "TRRRTLLR", "LLLLLTTRT", "LLLRLTTRLL"},
    {"", "LL", "LLR", "LTLL", "LTLRL", "LTLLRL", "LTLLLTT", "LTTRLLTT", "LTTRLLLLL", "RLTTRLLLLL"},
};

const char* const kTimerTextAlignment[2][MaxSeats] = {
    {"B", "BB", "BBB", "BBBB", "BBBBB", "BBBBBB", "BBBBBBB", "BBBBBBBB", "TBBBBBBBB", "TBBBBBTBBB"},
    {"", "BB", "BBB", "BBBB", "BBBBB", "BBBBBB", "BBBBBTB", "BBTBBBTB", "BBTBBBTBB", "BBBTBBBTBB"},
};

const char* const kStackLayout[2][MaxSeats] = {
    {
        "000",
        "000 000",
        "000 000 000",
        "032 000 011 000",
        "032 000 011 000 000",
        "032 000 000 011 000 000",
        "032 000 011 000 000 000 000",
        "032 000 000 000 011 000 000 000",
        "032 032 000 000 000 011 011 000 011",
        "032 032 000 000 000 011 011 000 000 000",
    },
    {
        "",
        "000 000",
        "000 000 000",
        "000 011 000 032",
        "000 011 000 000 032",
        "000 011 000 000 000 032",
        "000 011 000 000 000 032 032",
        "000 011 011 000 000 000 032 032",
        "000 011 011 000 000 000 032 032 000",
        "000 000 011 011 000 000 000 032 032 000",
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
