#ifndef VESKGAMES_PLAYERUSERNAMEDIALOGITEM_H
#define VESKGAMES_PLAYERUSERNAMEDIALOGITEM_H

#include "themeddialogitem.h"

#include <memory>

class QLineEdit;

namespace VeskGames {

class PushButtonItem;

/// Asks a portal account for the nickname shown at the tables. The server
/// checks the name; a refusal comes back as setMessage().
class PlayerUsernameDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    explicit PlayerUsernameDialogItem(QGraphicsItem* parent = nullptr);
    ~PlayerUsernameDialogItem() override;

    QLineEdit* nameEdit() const;
    PushButtonItem* saveButton() const;
    QString message() const;

public Q_SLOTS:
    /// Shows \a text as the reason and makes the dialog usable again.
    void setMessage(const QString& text);
    void slotSave();

Q_SIGNALS:
    void selectUsername(QString username);
    void cancel();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
