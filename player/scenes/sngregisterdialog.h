#ifndef VESKGAMES_SNGREGISTERDIALOG_H
#define VESKGAMES_SNGREGISTERDIALOG_H

#include "dialogbase.h"
#include "gameparameters.h"

class QLabel;

namespace VeskGames {

/// What a Sit & Go costs, pays and plays with; in registration mode it
/// takes the player's registration, in information mode it only tells.
class SnGRegisterDialog : public DialogBase
{
    Q_OBJECT

public:
    enum Mode { Registration, Information };
    enum Status { Ready = 0, RegistrationFailed = 1, BuyinFailed = 2, NoFunds = 3 };

    SnGRegisterDialog(Mode mode, const GameParameters& params, QObject* parent = nullptr);
    ~SnGRegisterDialog() override;

    Mode mode() const;
    void setParameters(const GameParameters& params);
    void setBalance(double balance);
    void setStatus(int status);
    int status() const;
    /// The status line under the rows; empty in the ready state.
    QString statusText() const;
    void clearStatus();
    /// The text of the row labelled \a label ("Game", "Chips", ...).
    QString rowText(const QString& label) const;
    QPushButton* registerButton() const;
    QPushButton* quitButton() const;

Q_SIGNALS:
    void actionRegister();
    void actionQuit();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
