#ifndef VESKGAMES_LOGINDIALOGITEM_H
#define VESKGAMES_LOGINDIALOGITEM_H

#include "abstractlogindialogitem.h"

class QCheckBox;
class QComboBox;

namespace VeskGames {

class PushButtonItem;

/// The login dialog of the table: name, password, language, whether to
/// remember the login, and Login, Quit and Signup. Return logs in, Escape
/// quits, Tab goes through everything in reading order.
class ZELLIK_EXPORT LoginDialogItem : public AbstractLoginDialogItem
{
    Q_OBJECT

public:
    explicit LoginDialogItem(QGraphicsItem* parent = nullptr);
    ~LoginDialogItem() override;

    QString message() const;
    QComboBox* languageBox() const;
    QCheckBox* saveBox() const;
    PushButtonItem* loginButton() const;
    PushButtonItem* quitButton() const;
    PushButtonItem* signupButton() const;
    void retranslateUi();

protected:
    QLineEdit* usernameField() const override;
    QLineEdit* passwordField() const override;
    QComboBox* languageField() const override;
    /// With the error sign when the theme has one.
    void showMessage(const QString& text, bool error) override;
    void setInputEnabled(bool enabled) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    void setTabOrder();
    void fitForm();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
