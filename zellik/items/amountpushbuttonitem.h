#ifndef VESKGAMES_AMOUNTPUSHBUTTONITEM_H
#define VESKGAMES_AMOUNTPUSHBUTTONITEM_H

#include "pushbuttonitem.h"

namespace VeskGames {

/// A button with a picture of a chip amount beside its text, for the chip
/// betting controls.
class ZELLIK_EXPORT AmountPushButtonItem : public PushButtonItem
{
    Q_OBJECT

public:
    explicit AmountPushButtonItem(QGraphicsItem* parent = nullptr);
    ~AmountPushButtonItem() override;

    void setAmountImage(const QImage& image);
    QImage amountImage() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QRectF textArea() const override;

private:
    QRectF imageRect() const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
