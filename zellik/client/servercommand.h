#ifndef VESKGAMES_SERVERCOMMAND_H
#define VESKGAMES_SERVERCOMMAND_H

#include "command.h"
#include "xmlrpc/variant.h"
#include "zellik_export.h"

#include <memory>

namespace VeskGames {

class Client;

/// One call to the game server as a command: done when the answer (or the
/// failure) for its own request arrives. It can be executed again.
class ZELLIK_EXPORT ServerCommand : public Command
{
    Q_OBJECT

public:
    ServerCommand(Client* client, const QString& command, QObject* parent = nullptr);
    ServerCommand(Client* client, const QList<xmlrpc::Variant>& params, const QString& command,
                  QObject* parent = nullptr);
    ~ServerCommand() override;

    void setRequest(const QList<xmlrpc::Variant>& params, const QString& command);
    QString command() const;
    QList<xmlrpc::Variant> params() const;
    bool isDone() const;
    QVariant result() const;
    bool hasError() const;
    /// Answered, and not with false: how every caller reads a reply. A
    /// command that is no server command, or none, did not succeed.
    static bool succeeded(const Command* command);
    int error() const;
    QString errorString() const;

    void exec() override;

private Q_SLOTS:
    void slotDone(int rid, QVariant res);
    void slotFailed(int rid, int code, QString errorString);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
