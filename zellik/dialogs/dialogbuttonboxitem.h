#ifndef VESKGAMES_DIALOGBUTTONBOXITEM_H
#define VESKGAMES_DIALOGBUTTONBOXITEM_H

#include "themeable.h"
#include "zellik_export.h"

#include <QDialogButtonBox>
#include <QGraphicsWidget>

#include <memory>

namespace VeskGames {

class PushButtonItem;

/// A dialog's row of command buttons, after a stretch, in the order the
/// platform's style gives their roles.
class ZELLIK_EXPORT DialogButtonBoxItem : public QGraphicsWidget, public Themeable
{
    Q_OBJECT
    Q_INTERFACES(VeskGames::Themeable)

public:
    using ButtonRole = QDialogButtonBox::ButtonRole;

    explicit DialogButtonBoxItem(QGraphicsItem* parent = nullptr);
    ~DialogButtonBoxItem() override;

    PushButtonItem* addButton(const QString& text, ButtonRole role);
    QList<PushButtonItem*> buttons() const;
    ButtonRole buttonRole(PushButtonItem* button) const;
    void clear();
    /// Lays the visible buttons out again.
    void invalidate();

    void setTheme(AbstractTheme* theme) override;

    /// The buttons of \a roles in the order the platform's style puts them.
    static QList<int> platformOrder(const QList<ButtonRole>& roles);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
