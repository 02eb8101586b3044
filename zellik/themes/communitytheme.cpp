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

int CommunityTheme::spreadPosition(int index, int count, int size, int total)
{
    return ((total - count * size) / (count + 1)) * (index + 1) + index * size;
}

} // namespace VeskGames
