#ifndef VESKGAMES_CHINESEBUYDIALOGITEM_H
#define VESKGAMES_CHINESEBUYDIALOGITEM_H

#include "buydialogitem.h"

namespace VeskGames {

/// The library's buy-in on the partner's background, in the partner's words.
class ChineseBuyDialogItem : public BuyDialogItem
{
    Q_OBJECT

public:
    static constexpr QSizeF DialogSize{520, 380};

    ChineseBuyDialogItem(const QString& gameId, AbstractTheme::SliderMode mode, SvgImageRenderer* chips,
                         AbstractTheme* theme, QGraphicsItem* parent = nullptr);
    ~ChineseBuyDialogItem() override;

    QString nextGameNotice() const;

protected:
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
