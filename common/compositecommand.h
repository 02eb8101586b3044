#ifndef VESKGAMES_COMPOSITECOMMAND_H
#define VESKGAMES_COMPOSITECOMMAND_H

#include "command.h"

#include <QList>

#include <memory>

namespace VeskGames {

/// Runs its commands one after the other and is done after the last.
class COMMON_EXPORT CompositeCommand : public Command
{
    Q_OBJECT

public:
    explicit CompositeCommand(bool autoDelete = true, QObject* parent = nullptr);
    CompositeCommand(const QList<Command*>& commands, bool autoDelete, QObject* parent = nullptr);
    ~CompositeCommand() override;

    void addCommand(Command* command);
    QList<Command*> commands() const;

    void exec() override;
    /// Finishes every remaining command without reporting done itself.
    void finish() override;

private Q_SLOTS:
    void slotNextCommand();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
