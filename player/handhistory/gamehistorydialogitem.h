#ifndef VESKGAMES_GAMEHISTORYDIALOGITEM_H
#define VESKGAMES_GAMEHISTORYDIALOGITEM_H

#include "themeddialogitem.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QVariant>

#include <memory>

class QTextEdit;

namespace VeskGames {

class PushButtonItem;

/// The hands just played at a table, as readable text: rendered by the
/// hand-history script, shown with a rule between hands, and kept by the
/// player with Save or Copy.
class GameHistoryDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    explicit GameHistoryDialogItem(QGraphicsItem* parent = nullptr);
    ~GameHistoryDialogItem() override;

    void setTheme(AbstractTheme* theme) override;
    /// Names the file Save offers.
    void setTableName(const QString& name);

    QTextEdit* textEdit() const;
    PushButtonItem* saveButton() const;
    PushButtonItem* copyButton() const;
    /// The hands shown, each a list of plain lines.
    QList<QStringList> hands() const;
    /// Hands that can be replayed: every hand shown.
    int replayCount() const;
    /// Empty, or why not every hand could be shown.
    QString problem() const;

    /// The shown hands as plain text, a blank line between hands.
    QString plainText() const;
    /// "<table> <date>.txt", safe as a file name.
    QString defaultFileName(const QDate& date = QDate::currentDate()) const;
    bool saveTo(const QString& path, QString* error = nullptr) const;

public Q_SLOTS:
    void slotGameHistoryEvent(const QList<QVariant>& records);
    /// Asks where to save, then saves.
    void slotSave();
    void slotCopy();
    /// Asks for the replay of the \a index-th hand shown, as its "Replay" link does.
    void replayHand(int index);

Q_SIGNALS:
    void historyShown(int hands);
    /// The player asked to see the hand in \a record played again.
    void replayRequested(const QString& record);

private:
    void showStatus(const QString& text);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
