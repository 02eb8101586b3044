#include "servercommand.h"

#include "client.h"

namespace VeskGames {

class ServerCommand::Private
{
public:
    Client* client = nullptr;
    QList<xmlrpc::Variant> params;
    QString command;
    int requestId = -1;
    bool isDone = false;
    bool hasError = false;
    QVariant result;
    int error = 0;
    QString errorString;
};

ServerCommand::ServerCommand(Client* client, const QString& command, QObject* parent)
    : ServerCommand(client, QList<xmlrpc::Variant>(), command, parent)
{}

ServerCommand::ServerCommand(Client* client, const QList<xmlrpc::Variant>& params, const QString& command,
                             QObject* parent)
    : Command(parent), d(std::make_unique<Private>())
{
    d->client = client;
    d->params = params;
    d->command = command;
    connect(client, &Client::done, this, &ServerCommand::slotDone);
    connect(client, &Client::failed, this, &ServerCommand::slotFailed);
}

ServerCommand::~ServerCommand() = default;

void ServerCommand::setRequest(const QList<xmlrpc::Variant>& params, const QString& command)
{
    d->params = params;
    d->command = command;
}

QString ServerCommand::command() const
{
    return d->command;
}

QList<xmlrpc::Variant> ServerCommand::params() const
{
    return d->params;
}

bool ServerCommand::isDone() const
{
    return d->isDone;
}

QVariant ServerCommand::result() const
{
    return d->result;
}

bool ServerCommand::hasError() const
{
    return d->hasError;
}

bool ServerCommand::succeeded(const Command* command)
{
    const auto* server = qobject_cast<const ServerCommand*>(command);
    if (!server || server->hasError())
        return false;
    const QVariant answer = server->result();
    return !(answer.typeId() == QMetaType::Bool && !answer.toBool());
}

int ServerCommand::error() const
{
    return d->error;
}

QString ServerCommand::errorString() const
{
    return d->errorString;
}

void ServerCommand::exec()
{
    d->isDone = false;
    d->hasError = false;
    d->result = QVariant();
    d->error = 0;
    d->errorString.clear();
    d->requestId = d->client->request(d->params, d->command);
}

void ServerCommand::slotDone(int rid, QVariant res)
{
    if (rid != d->requestId)
        return;
    d->result = res;
    d->isDone = true;
    d->hasError = false;
    emitDone();
}

void ServerCommand::slotFailed(int rid, int code, QString errorString)
{
    if (rid != d->requestId)
        return;
    d->result = QVariant();
    d->error = code;
    d->errorString = errorString;
    d->isDone = true;
    d->hasError = true;
    emitDone();
}

} // namespace VeskGames
