#ifndef VESKTEST_REFRESHHARNESS_H
#define VESKTEST_REFRESHHARNESS_H

#include "client.h"
#include "scriptedhttpserver.h"
#include "xmlrpc/request.h"
#include "xmlrpc/response.h"

#include <QQueue>

#include <memory>

/// A game server stand-in: answers "refresh" with prepared batches (an empty
/// list once they are used up) and every other call with the method's name.
class RefreshHarness
{
public:
    RefreshHarness()
    {
        server.setHandler([this](const ScriptedHttpServer::Received& request) {
            xmlrpc::Request call;
            call.parse(request.body);
            methods.append(call.methodName());
            ScriptedHttpServer::Reply reply;
            if (call.methodName() == QLatin1String("refresh")) {
                if (!failures.isEmpty() && failures.head() == refreshCount) {
                    failures.dequeue();
                    reply.status = 500;
                    reply.reason = "Internal Server Error";
                } else {
                    const QVariant batch = batches.isEmpty() ? QVariant(QVariantList()) : batches.dequeue();
                    reply = ScriptedHttpServer::xml(xmlrpc::Response(xmlrpc::Variant(batch)).toXml());
                }
                reply.delayMs = refreshDelayMs;
                ++refreshCount;
            } else {
                reply = ScriptedHttpServer::xml(xmlrpc::Response(xmlrpc::Variant(call.methodName())).toXml());
            }
            return reply;
        });
        server.listen();
        client = std::make_unique<VeskGames::Client>();
        client->connect();
        client->setHost(QStringLiteral("127.0.0.1"), server.port());
    }

    ScriptedHttpServer server;
    std::unique_ptr<VeskGames::Client> client;
    QQueue<QVariant> batches;
    QQueue<int> failures; ///< numbers of the refresh calls that get HTTP 500
    QStringList methods;
    int refreshDelayMs = 0;
    int refreshCount = 0;
};

#endif
