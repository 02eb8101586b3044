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

    Q_INVOKABLE void setCurrentLocale(const QString& locale);
    QString message() const;
    bool isBusy() const;
    QComboBox* languageBox() const;
    QCheckBox* saveBox() const;
    PushButtonItem* loginButton() const;
    PushButtonItem* quitButton() const;
    PushButtonItem* signupButton() const;
    void retranslateUi();

public Q_SLOTS:
    /// A failed login: the reason, with the error sign; the name is there to retype.
    void setMessage(const QString& text);
    void reset();
    void slotDoAuth();
    void slotHandleCurrentIndexChanged(int index);

Q_SIGNALS:
    void authenticate(const QString& username, const QString& passwd);
    void cancel();
    void languageChanged(const QString& language);

protected:
    QLineEdit* usernameField() const override;
    QLineEdit* passwordField() const override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    void setTabOrder();
    void setBusy(bool busy);
    void fitForm();
    void showMessage(const QString& text, bool error);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
