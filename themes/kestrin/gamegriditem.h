#ifndef VESKGAMES_GAMEGRIDITEM_H
#define VESKGAMES_GAMEGRIDITEM_H

#include <QGraphicsWidget>
#include <QImage>
#include <QVariantMap>

#include <memory>

namespace VeskGames {

/// One tile of the grid lobby: a game's picture and its stakes, or an empty
/// place when there is no game for it.
class GameGridItem : public QGraphicsWidget
{
    Q_OBJECT

public:
    static constexpr qreal TileWidth = 240;
    static constexpr qreal TileHeight = 104;

    explicit GameGridItem(QGraphicsItem* parent = nullptr);
    ~GameGridItem() override;

    /// An empty record, or one without an id, leaves the tile without a game.
    void setRecord(const QVariantMap& record);
    QVariantMap record() const;
    QString gameId() const;
    bool hasGame() const;
    void setImage(const QImage& image);
    QImage image() const;
    /// The record's picture id; 0 when it has none (or not a usable one).
    int imageId() const;
    void setSelected(bool selected);
    bool isSelected() const;
    /// The lines drawn on the tile: the game, the stakes, the players.
    QStringList textLines() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

Q_SIGNALS:
    void itemSelected(VeskGames::GameGridItem* item);
    void itemActivated(VeskGames::GameGridItem* item);

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF& constraint = QSizeF()) const override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
