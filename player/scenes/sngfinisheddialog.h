#ifndef VESKGAMES_SNGFINISHEDDIALOG_H
#define VESKGAMES_SNGFINISHEDDIALOG_H

#include "dialogbase.h"
#include "gameparameters.h"

namespace VeskGames {

/// How the player's Sit & Go ended: the place and the prize.
class SnGFinishedDialog : public DialogBase
{
    Q_OBJECT

public:
    explicit SnGFinishedDialog(const GameParameters& params, QObject* parent = nullptr);
    ~SnGFinishedDialog() override;

    /// \a place counts from 0 for the winner.
    void setResult(int place, double amount);
    QString text() const;
    /// The text for \a place (from 0) and \a amount in this game's currency.
    static QString resultText(int place, double amount, const QString& currency);
    QPushButton* leaveButton() const;
    QPushButton* closeButton() const;

Q_SIGNALS:
    /// The player leaves the table now.
    void actionLeave();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
