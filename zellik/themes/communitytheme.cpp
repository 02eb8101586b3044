#include "communitytheme.h"

namespace VeskGames {

namespace {
constexpr QSize kCommunityItemSizes[AbstractTheme::ItemSizeCount] = {{91, 121}, {125, 171}, {162, 228}};

struct CommunityImage
{
    AbstractTheme::ImageType type;
    const char* file;
};

constexpr CommunityImage kCommunityImages[] = {
    {AbstractTheme::ImageDialogBackground, "community/bg.jpg"},
    {AbstractTheme::ImageTableBackground, "community/bg.jpg"},
    {AbstractTheme::ImageCardFrame, "community/card_frame.png"},
    {AbstractTheme::ImageNoPlayerAvatar, "community/player_box_active.png"},
    {AbstractTheme::ImagePlayerAvatar, "community/player_box_not_active.png"},
    {AbstractTheme::ImageTimerDeadline, "community/card_frame_glow.png"},
    {AbstractTheme::ImageDealerButton, "community/d_button.png"},
    {AbstractTheme::ImageActionMuck, "community/muck.png"},
    {AbstractTheme::ImageActionCall, "community/call.png"},
    {AbstractTheme::ImageActionBet, "community/bet.png"},
    {AbstractTheme::ImageActionWinner, "community/winner.png"},
};

// The onlookers' screen is read from a distance: larger faces throughout.
constexpr int kCommunityFontScalePercent = 150;

// Rows along the long edges, one seat at each short edge from six players on;
// a seat turned by 90 degrees keeps its centre at kSideCentreX from the edge.
constexpr int kTopY = 6;
constexpr int kBottomY = 720 - 90 - 6;
constexpr int kSideCentreX = 52;

struct SeatPlace
{
    QPointF pos;
    qreal rotation;
};

// Clockwise on screen, starting at the right end of the bottom row.
QList<SeatPlace> seatPlaces(int count)
{
    QList<SeatPlace> places;
    if (count < 1 || count > 10)
        return places;
    const int sides = count >= 6 ? 2 : 0;
    const int bottom = (count - sides + 1) / 2;
    const int top = count - sides - bottom;
    const int w = CommunityTheme::SeatSize.width();
    const int h = CommunityTheme::SeatSize.height();
    const int total = CommunityTheme::DesignSize.width();
    for (int i = bottom - 1; i >= 0; --i)
        places.append({QPointF(CommunityTheme::spreadPosition(i, bottom, w, total), kBottomY), 0});
    // Turned about their own centres: the box's place is its unturned corner.
    const QPointF turned(w / 2.0, h / 2.0);
    if (sides)
        places.append({QPointF(kSideCentreX, CommunityTheme::DesignSize.height() / 2.0) - turned, 90});
    for (int i = 0; i < top; ++i)
        places.append({QPointF(CommunityTheme::spreadPosition(i, top, w, total), kTopY), 180});
    if (sides)
        places.append(
            {QPointF(total - kSideCentreX, CommunityTheme::DesignSize.height() / 2.0) - turned, -90});
    return places;
}

QList<QPointF> positionsOf(int count)
{
    QList<QPointF> positions;
    for (const SeatPlace& place : seatPlaces(count))
        positions.append(place.pos);
    return positions;
}

} // namespace

CommunityTheme::CommunityTheme()
{
    for (const CommunityImage& image : kCommunityImages)
        setImageOverride(image.type, QString::fromLatin1(image.file));
    switchFont(isWesternFont());
}

CommunityTheme::~CommunityTheme() = default;

QSize CommunityTheme::itemSize(ItemSize size)
{
    if (size < 0 || size >= ItemSizeCount)
        return QSize();
    return kCommunityItemSizes[size];
}

void CommunityTheme::switchFont(bool western)
{
    DefaultTheme::switchFont(western);
    for (int i = 0; i < ItemFontCount; ++i) {
        QFont& f = itemFont(ItemFont(i));
        f.setPixelSize(f.pixelSize() * kCommunityFontScalePercent / 100);
    }
}

QPointF CommunityTheme::itemPosition(ItemPosition position)
{
    switch (position) {
    case PositionBoard: // the board, centred: five cards of 162 with gaps of 6
        return QPointF((DesignSize.width() - (5 * 162 + 4 * 6)) / 2, (DesignSize.height() - 228) / 2);
    case PositionMainPot: // the pot between the board and the bottom row's cards,
    case PositionSidePot: // its tallest column clear of them
        return QPointF(300, 470);
    default:
        return DefaultTheme::itemPosition(position);
    }
}

QPointF CommunityTheme::itemOffset(ItemOffset offset)
{
    if (offset == OffsetBoardGap)
        return QPointF(6, 0);
    return DefaultTheme::itemOffset(offset);
}

QList<QPointF> CommunityTheme::playerPositions(int count)
{
    DefaultTheme::playerPositions(count); // the warning for a count without a table
    return positionsOf(count);
}

QList<QPointF> CommunityTheme::playerStackPositions(int count)
{
    return positionsOf(count);
}

QList<QPointF> CommunityTheme::dealerButtonPositions(int count)
{
    return positionsOf(count);
}

QList<qreal> CommunityTheme::playerRotations(int count)
{
    QList<qreal> rotations;
    for (const SeatPlace& place : seatPlaces(count))
        rotations.append(place.rotation);
    return rotations;
}

QList<QPointF> CommunityTheme::playerInstaDealPositions(int count)
{
    return positionsOf(count);
}

QList<QPointF> CommunityTheme::playerInstaDealStackPositions(int count)
{
    return positionsOf(count);
}

QList<QPointF> CommunityTheme::dealerButtonInstaDealPositions(int count)
{
    return positionsOf(count);
}

int CommunityTheme::spreadPosition(int index, int count, int size, int total)
{
    return ((total - count * size) / (count + 1)) * (index + 1) + index * size;
}

} // namespace VeskGames
