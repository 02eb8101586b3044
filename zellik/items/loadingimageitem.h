#ifndef VESKGAMES_LOADINGIMAGEITEM_H
#define VESKGAMES_LOADINGIMAGEITEM_H

#include "animatedimageitem.h"

namespace VeskGames {

/// The spinner shown while a page loads.
class ZELLIK_EXPORT LoadingImageItem : public AnimatedImageItem
{
    Q_OBJECT

public:
    static constexpr int FrameCount = 8;
    static constexpr int FrameMs = 200;

    explicit LoadingImageItem(QGraphicsItem* parent = nullptr);
    ~LoadingImageItem() override;
};

} // namespace VeskGames

#endif
