#ifndef VESKGAMES_CHINESELOGINDIALOGITEM_H
#define VESKGAMES_CHINESELOGINDIALOGITEM_H

#include "abstractlogindialogitem.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QUrl;

namespace VeskGames {

class LabelItem;
class PushButtonItem;
class WebPaneItem;

/// The partner's login: the partner's news beside the form, a link to
/// recover a password and a button to register. It tells the program what
/// the built-in login tells it, so the controllers need not know which one
/// is shown.
class ChineseLoginDialogItem : public AbstractLoginDialogItem
{
    Q_OBJECT

public:
    static constexpr QSizeF DialogSize{640, 420};

    explicit ChineseLoginDialogItem(QGraphicsItem* parent = nullptr);
    ~ChineseLoginDialogItem() override;

    QString message() const;
    WebPaneItem* newsPane() const;
    QComboBox* languageBox() const;
    QCheckBox* saveBox() const;
    QPushButton* lostPasswordButton() const;
    PushButtonItem* loginButton() const;
    PushButtonItem* quitButton() const;
    PushButtonItem* registerButton() const;
    void retranslateUi();

public Q_SLOTS:
    void slotLinkClicked(const QUrl& url);
    void slotShowLostPassword();
    /// The partner's sign-up page; only a web address is opened.
    void slotShowRegistration();

protected:
    QLineEdit* usernameField() const override;
    QLineEdit* passwordField() const override;
    QComboBox* languageField() const override;
    void showMessage(const QString& text, bool error) override;
    void setInputEnabled(bool enabled) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
