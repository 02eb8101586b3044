#ifndef VESKGAMES_POT_H
#define VESKGAMES_POT_H

#include <QGraphicsItem>
#include <QList>
#include <QString>

#include <memory>

namespace VeskGames {

class AbstractTheme;
class PainterPathItem;
class SvgImageItem;
class SvgImageRenderer;

/// A pot in the middle of the table: its chips ending at the origin, then
/// the title, the amount and, while bets are still out, the running total.
/// A mirror pot (another table view of the same game) follows every change.
class Pot : public QGraphicsItem
{
public:
    explicit Pot(SvgImageRenderer* renderer, QGraphicsItem* parent = nullptr);
    ~Pot() override;

    /// Sets the chips to the same amount.
    void setValue(double value, bool redraw = true);
    double value() const;
    /// The chips alone, e.g. while some of them are on their way to a winner.
    void setChipValue(double value, bool redraw = true);
    double chipValue() const;
    /// Bets of this round not yet swept into the pot.
    void setPendingBets(double bets, bool redraw = true);
    double pendingBets() const;
    void setTitle(const QString& title);
    QString title() const;
    /// Not owned.
    void setTheme(AbstractTheme* theme);
    AbstractTheme* theme() const;
    /// Not owned; takes this pot's title and, from then on, all its changes.
    void setMirror(Pot* mirror);
    Pot* mirror() const;

    /// Rebuilds the chips and the texts (also the mirror's).
    void update();
    /// Shows a hidden pot; a shown one is left alone.
    void show();

    int columnCount() const;
    /// The width the chips take left of the origin.
    qreal chipsWidth() const;
    QList<SvgImageItem*> chipItems() const;
    PainterPathItem* titleItem() const;
    PainterPathItem* amountItem() const;
    PainterPathItem* totalItem() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget = nullptr) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
