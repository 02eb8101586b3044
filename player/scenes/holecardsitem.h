#ifndef VESKGAMES_HOLECARDSITEM_H
#define VESKGAMES_HOLECARDSITEM_H

#include "card.h"

#include <QGraphicsWidget>
#include <QList>
#include <QPointF>
#include <QVector>

#include <memory>

namespace VeskGames {

class CardItem;
class SvgImageRenderer;

/// The local player's own cards, large at the bottom of the table.
///
/// Unless the faces are always shown, the row shows backs and the faces wait
/// in a second layer just below the visible area; the player peeks by
/// pulling them up, and they drop back on release or after two seconds. How
/// the pointer raises them depends on the screen: a mouse drags them up, a
/// single-touch screen raises them on a press in the upper half, and a
/// second head (which reports only releases) toggles them on each release.
class HoleCardsItem : public QGraphicsWidget
{
    Q_OBJECT
    Q_PROPERTY(bool multihead READ isMultihead WRITE setMultihead)
    Q_PROPERTY(bool singleTouch READ isSingleTouch WRITE setSingleTouch)
    Q_PROPERTY(bool hide READ alwaysHideCards WRITE setAlwaysHideCards)
    Q_PROPERTY(bool show READ showHoleCards WRITE setShowHoleCards)
    Q_PROPERTY(bool folded READ isHoleCardsFolded WRITE setHoleCardsAsFolded)

public:
    static constexpr int CardWidth = 160;
    static constexpr int CardHeight = 200;
    /// How long the faces stay up.
    static constexpr int PeekMilliseconds = 2000;

    explicit HoleCardsItem(SvgImageRenderer* cards, QGraphicsItem* parent = nullptr);
    ~HoleCardsItem() override;

    /// Where the faces are drawn from; the cards in hand are drawn again.
    void setRenderer(SvgImageRenderer* cards);
    void addCard(const Card& card);
    /// Starts a new hand: replaces the cards, unfolded.
    void setCards(const QVector<Card>& cards);
    /// Ends the hand: no cards, unfolded, nothing raised.
    void clearCards();
    QVector<Card> cards() const;

    QPointF offset() const;
    bool isMultihead() const;
    bool isSingleTouch() const;
    bool alwaysHideCards() const;
    bool showHoleCards() const;
    bool isHoleCardsFolded() const;
    /// The faces are up, or being pulled up.
    bool isRaised() const;
    /// Faces shown at once rather than peeked at.
    bool isShownMode() const;

    /// The cards of the row: faces when shown, backs otherwise.
    QList<CardItem*> rowCardItems() const;
    /// The faces to peek at; empty when the faces are shown.
    QList<CardItem*> peekCardItems() const;
    QList<QPointF> peekCardPositions() const;
    /// Where the faces wait: just below the visible area.
    qreal restingY() const;

public Q_SLOTS:
    /// From one card to the next; the item is wide enough for four.
    void setOffset(const QPointF& offset);
    void setMultihead(bool multihead);
    void setSingleTouch(bool singleTouch);
    void setAlwaysHideCards(bool hide);
    void setShowHoleCards(bool show);
    void setHoleCardsAsFolded(bool folded);
    void hideCards();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void resizeEvent(QGraphicsSceneResizeEvent* event) override;

private:
    void raiseTo(qreal y);
    void rebuild();
    void appendItems(const Card& card);
    CardItem* makeItem(const Card& card);
    void layoutRows();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
