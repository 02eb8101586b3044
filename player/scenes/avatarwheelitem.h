#ifndef VESKGAMES_AVATARWHEELITEM_H
#define VESKGAMES_AVATARWHEELITEM_H

#include <QGraphicsWidget>

#include <memory>

namespace VeskGames {

/// The avatars on a turning wheel, the chosen one in the frame at the
/// bottom; the arrow keys or next() and prev() turn it by one.
class AvatarWheelItem : public QGraphicsWidget
{
    Q_OBJECT
    Q_PROPERTY(qreal animTime READ animTime WRITE setAnimTime)

public:
    static constexpr int AvatarSize = 70;
    static constexpr int TurnMilliseconds = 400;

    explicit AvatarWheelItem(QGraphicsItem* parent = nullptr);
    ~AvatarWheelItem() override;

    int currentAvatarId() const;
    QList<int> avatarIds() const;
    qreal animTime() const;
    /// Where avatar \a slot (0 the chosen one, -4 to 5 around it) is drawn
    /// now, and how large.
    QRectF slotRect(int slot) const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

public Q_SLOTS:
    void next();
    void prev();
    void setCurrentAvatarId(int id);
    void setAnimTime(qreal time);

Q_SIGNALS:
    void avatarSelected(int id);

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF& constraint = QSizeF()) const override;
    void keyPressEvent(QKeyEvent* event) override;

private Q_SLOTS:
    void slotFixIndex();
    void slotReload();
    void slotImageChanged(int id);

private:
    void turn(int direction);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
