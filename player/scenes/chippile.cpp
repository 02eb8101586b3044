#include "chippile.h"

#include "abstracttheme.h"
#include "svgimageitem.h"
#include "svgimagerenderer.h"

#include <QObject>

#include <algorithm>
#include <cmath>

namespace VeskGames {

namespace {
// Far beyond any stake, yet far from overflowing the arithmetic below.
constexpr double kMaxCents = 1e15;
} // namespace

qint64 ChipPile::toCents(double amount)
{
    const double cents = std::floor(amount * 100.0 + 0.5);
    if (!(cents > 0)) // also NaN
        return 0;
    return qint64(std::min(cents, kMaxCents));
}

int ChipPile::build(QList<SvgImageItem*>& chips, double amount, AbstractTheme* theme,
                    SvgImageRenderer* renderer, QGraphicsItem* parent)
{
    qDeleteAll(chips);
    chips.clear();
    if (!theme)
        return 0;
    qint64 remaining = toCents(amount);
    int columns = 0;
    for (int i = theme->numChips() - 1; i >= 0 && remaining > 0 && columns < MaxColumns; --i) {
        const qint64 chipCents = qint64(theme->chipValue(i) * 100);
        if (chipCents <= 0)
            continue;
        const int count = int(std::min<qint64>(remaining / chipCents, MaxChipsPerColumn));
        if (count == 0)
            continue;
        const QString id = QStringLiteral("chip") + theme->chipElementId(i);
        for (int j = 0; j < count; ++j) {
            auto* chip = new SvgImageItem(parent);
            chip->setElementId(id);
            chip->setSize(QSizeF(ChipSize, ChipSize));
            chip->setPos(columns * ColumnStep, -ChipStep * j);
            if (renderer)
                QObject::connect(chip, &SvgImageItem::renderImage, renderer, &SvgImageRenderer::renderImage);
            chip->preRender();
            chips.append(chip);
        }
        remaining -= count * chipCents;
        ++columns;
    }
    return columns;
}

} // namespace VeskGames
