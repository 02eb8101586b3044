#ifndef VESKGAMES_BETPUSHBUTTONITEM_H
#define VESKGAMES_BETPUSHBUTTONITEM_H

#include "pushbuttonitem.h"

#include <memory>

namespace VeskGames {

/// An action button with the amount it stands for on a second line, such
/// as "Call" over "20.00".
class BetPushButtonItem : public PushButtonItem
{
    Q_OBJECT

public:
    explicit BetPushButtonItem(QGraphicsItem* parent = nullptr);
    ~BetPushButtonItem() override;

    void setAmountText(const QString& text);
    QString amountText() const;
    /// The font of the amount line: smaller than the label's, shrunk to the button's width.
    QFont amountFont() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QRectF textArea() const override;
    /// Where the amount line is centred.
    QRectF amountArea() const;
    void resizeEvent(QGraphicsSceneResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateAmountPath();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
