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

    /// The design: a table lying flat, seats facing outwards along its edges.
    static constexpr QSize DesignSize{1280, 720};
    static constexpr QSize SeatSize{240, 90};

    QSize itemSize(ItemSize size) override;
    void switchFont(bool western) override;
    QPointF itemPosition(ItemPosition position) override;
    QPointF itemOffset(ItemOffset offset) override;
    QList<QPointF> playerPositions(int count) override;
    QList<QPointF> playerStackPositions(int count) override;
    QList<QPointF> dealerButtonPositions(int count) override;
    QList<qreal> playerRotations(int count) override;
    QList<QPointF> playerInstaDealPositions(int count) override;
    QList<QPointF> playerInstaDealStackPositions(int count) override;
    QList<QPointF> dealerButtonInstaDealPositions(int count) override;

    /// Where item \a index of \a count items of width \a size starts when they
    /// are spread evenly over \a total.
    static int spreadPosition(int index, int count, int size, int total);
};

} // namespace VeskGames

#endif
