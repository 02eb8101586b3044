#ifndef VESKGAMES_ABSTRACTLOGINDIALOGITEM_H
#define VESKGAMES_ABSTRACTLOGINDIALOGITEM_H

#include "themeddialogitem.h"

#include <QMap>

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace VeskGames {

/// What every login dialog does whatever it looks like: the user names (and,
/// when allowed, passwords) remembered between runs, the languages there are
/// catalogues for, the sign-up page, and the log-in itself: the fields
/// checked, the wait while the server answers, the answer shown.
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

    Q_INVOKABLE void setCurrentLocale(const QString& locale);
    /// Between the log-in sent and the server's answer.
    bool isBusy() const;

public Q_SLOTS:
    void slotUserEditFinished();
    void slotSavePasswordStateChanged(int state);
    void slotShowSignup();
    /// A failed login: the reason, as an error; the name is there to retype.
    void setMessage(const QString& text);
    void reset();
    void slotDoAuth();
    void slotHandleCurrentIndexChanged(int index);

Q_SIGNALS:
    void authenticate(const QString& username, const QString& passwd);
    void cancel();
    void languageChanged(const QString& language);

protected:
    virtual QLineEdit* usernameField() const = 0;
    virtual QLineEdit* passwordField() const = 0;
    virtual QComboBox* languageField() const = 0;
    /// Shows \a text under the form; \a error marks a failure.
    virtual void showMessage(const QString& text, bool error) = 0;
    /// Greys what cannot be used while a log-in is on its way.
    virtual void setInputEnabled(bool enabled) = 0;
    /// Reads the remembered logins and hands the names to the completer.
    void loadLogins();
    /// Offers the languages there are catalogues for.
    void fillLanguages();
    /// The language names in the language now in use.
    void retranslateLanguages();
    /// Escape quits; Return logs in where \a returnLogsIn. True when taken.
    bool handleKey(QKeyEvent* event, bool returnLogsIn);

private:
    void saveLogins();
    void showPasswordNotice();
    void setBusy(bool busy);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
