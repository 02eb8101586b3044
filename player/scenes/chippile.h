#ifndef VESKGAMES_CHIPPILE_H
#define VESKGAMES_CHIPPILE_H

#include <QList>
#include <QtGlobal>

class QGraphicsItem;

namespace VeskGames {

class AbstractTheme;
class SvgImageItem;
class SvgImageRenderer;

/// Lays an amount out as chips: the fewest chips, largest first, one column
/// per denomination and at most four columns. Whatever does not fit is only
/// in the written amount next to the pile.
class ChipPile
{
public:
    static constexpr int MaxColumns = 4;
    static constexpr int ChipSize = 25;
    /// From one column to the next.
    static constexpr int ColumnStep = 26;
    /// From one chip of a column to the one above it.
    static constexpr int ChipStep = 4;
    /// Keeps an absurd amount from filling the scene with chips; a column of
    /// this many is already taller than the table.
    static constexpr int MaxChipsPerColumn = 100;

    ChipPile() = delete;

    /// Whole cents, halves rounded up; negative amounts give 0.
    static qint64 toCents(double amount);

    /// Deletes \a chips and fills it with the pile of \a amount, the first
    /// column at x = 0 and the bottom chips at y = 0, as children of
    /// \a parent. Returns the number of columns.
    static int build(QList<SvgImageItem*>& chips, double amount, AbstractTheme* theme,
                     SvgImageRenderer* renderer, QGraphicsItem* parent);
};

} // namespace VeskGames

#endif
