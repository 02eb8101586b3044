#ifndef VESKGAMES_COMMUNITYTHEME_H
#define VESKGAMES_COMMUNITYTHEME_H

#include "defaulttheme.h"

namespace VeskGames {

/// The look of the large 1280 x 720 community table for onlookers.
class ZELLIK_EXPORT CommunityTheme : public DefaultTheme
{
    Q_OBJECT

public:
    CommunityTheme();
    ~CommunityTheme() override;

    QSize itemSize(ItemSize size) override;
    void switchFont(bool western) override;

    /// Where item \a index of \a count items of width \a size starts when they
    /// are spread evenly over \a total.
    static int spreadPosition(int index, int count, int size, int total);
};

} // namespace VeskGames

#endif
