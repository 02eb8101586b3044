#include "chinesebuydialogitem.h"

#include "kestrinimages.h"
#include "labelitem.h"
#include "pushbuttonitem.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>

namespace VeskGames {

class ChineseBuyDialogItem::Private
{
public:
    QImage background;
};

ChineseBuyDialogItem::ChineseBuyDialogItem(const QString& gameId, AbstractTheme::SliderMode mode,
                                           SvgImageRenderer* chips, AbstractTheme* theme,
                                           QGraphicsItem* parent)
    : BuyDialogItem(gameId, mode, chips, theme, parent), d(std::make_unique<Private>())
{
    d->background = KestrinImages::image(QStringLiteral("/buyin/background.png"), DialogSize);
    if (!d->background.isNull()) {
        // Light text on the dark background.
        titleItem()->setBrush(QColor(255, 224, 140));
        form()->setStyleSheet(QStringLiteral("QLabel, QCheckBox { color: white; font-size: 13px; }"));
    }
    automaticReBuyCheckBox()->setText(
        tr("Auto Rebuy (your chips will be reloaded after each game finished)"));
    nextHandLabel()->setText(tr("The bought chips will add to the game account at next game start"));
    okButton()->setText(tr("Buy Chips"));
    setMinimumSize(DialogSize);
    setPreferredSize(DialogSize);
}

ChineseBuyDialogItem::~ChineseBuyDialogItem() = default;

QString ChineseBuyDialogItem::nextGameNotice() const
{
    return nextHandLabel()->text();
}

void ChineseBuyDialogItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    if (d->background.isNull()) {
        BuyDialogItem::paint(painter, option, widget);
        return;
    }
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(rect(), d->background);
}

} // namespace VeskGames
