#ifndef VESKGAMES_INFODIALOGITEM_H
#define VESKGAMES_INFODIALOGITEM_H

#include "dialogbuttonboxitem.h"
#include "themeddialogitem.h"

namespace VeskGames {

/// The table's message box: a text and a row of buttons, each of which
/// works once (a second click cannot be sent).
class ZELLIK_EXPORT InfoDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    using ButtonRole = QDialogButtonBox::ButtonRole;

    explicit InfoDialogItem(QGraphicsItem* parent = nullptr);
    ~InfoDialogItem() override;

    /// Sets the text and fits the dialog to it.
    void setText(const QString& text);
    QString text() const;
    /// Closes the dialog after \a ms.
    void setTimeout(int ms);
    PushButtonItem* createButton(const QString& text, ButtonRole role, bool closes);
    DialogButtonBoxItem* buttonBox() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
