#ifndef VESKGAMES_ABSTRACTLOGINDIALOGITEM_H
#define VESKGAMES_ABSTRACTLOGINDIALOGITEM_H

#include "themeddialogitem.h"

#include <QMap>

class QLineEdit;

namespace VeskGames {

/// What every login dialog does whatever it looks like: the user names (and,
/// when allowed, passwords) remembered between runs, the languages there are
/// catalogues for, and the sign-up page.
class ZELLIK_EXPORT AbstractLoginDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    /// Never more remembered logins than this are read back.
    static constexpr int MaximumRememberedLogins = 100;

    explicit AbstractLoginDialogItem(QGraphicsItem* parent = nullptr);
    ~AbstractLoginDialogItem() override;

    void setAutoCompleteUsername(bool on);
    bool autoCompleteUsername() const;
    /// Off forgets every remembered password at once.
    void setRememberPasswords(bool on);
    bool rememberPasswords() const;
    QStringList rememberedUsernames() const;
    QString rememberedPassword(const QString& user) const;
    /// Remembers a login that worked.
    void addCompletionUsername(const QString& user, const QString& password);
    /// With exactly one remembered name: fills it in, the password is next.
    void setSingleUsername();

    /// The locales there are catalogues for, "en_US" first.
    static QStringList availableLocales();
    static QString languageToString(const QString& locale);

public Q_SLOTS:
    void slotUserEditFinished();
    void slotSavePasswordStateChanged(int state);
    void slotShowSignup();

protected:
    virtual QLineEdit* usernameField() const = 0;
    virtual QLineEdit* passwordField() const = 0;
    /// Reads the remembered logins and hands the names to the completer.
    void loadLogins();

private:
    void saveLogins();
    void showPasswordNotice();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
