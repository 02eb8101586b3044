// pokerd: a local poker game server speaking the client's XML-RPC protocol.
#include "accountstore.h"
#include "httpserver.h"
#include "kioskservice.h"
#include "pokerserver.h"
#include "terminationwatcher.h"
#include "updateservice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>

using namespace Pokerd;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pokerd"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VESK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Local poker game server"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption listen("listen", "Address and port to listen on; port 0 picks a free one.",
                                    "addr:port", "127.0.0.1:7777");
    const QCommandLineOption tls("tls", "Serve HTTPS with this certificate and key (PEM).", "cert,key");
    const QCommandLineOption data("data", "Folder for accounts and balances.", "dir",
                                  QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                                      "/pokerd");
    const QCommandLineOption tables("tables", "JSON file describing the tables.", "file");
    const QCommandLineOption users("users", "JSON file with accounts to add.", "file");
    const QCommandLineOption seed("seed", "Seed of the shuffles and the bots.", "n", "20261207");
    const QCommandLineOption botDelay("bot-delay", "How long bots think, in ms.", "ms", "700");
    const QCommandLineOption handDelay("hand-delay", "Pause between hands, in ms.", "ms", "2500");
    const QCommandLineOption animationPercent(
        "animation-percent", "How long the clients' animations run, in percent of the usual (0: none).",
        "percent", "100");
    const QCommandLineOption actionTimeout("action-timeout", "Seconds a player has to act.", "s", "15");
    const QCommandLineOption sessionTimeout("session-timeout", "Seconds after which a silent session ends.",
                                            "s", "1800");
    const QCommandLineOption community("community-table",
                                       "Table shown to a community terminal (\"*\" for every terminal).",
                                       "terminal=table");
    const QCommandLineOption stateLog(
        "state-log", "Append the table of every poll answered with events (JSON lines).", "file");
    const QCommandLineOption handLog("hand-log",
                                     "Append every finished hand's record (one JSON text per line).", "file");
    const QCommandLineOption kiosk("kiosk",
                                   "Also play a kiosk terminal's local service on this port (1980 is the "
                                   "client's).",
                                   "port");
    const QCommandLineOption kioskLogin("kiosk-login", "The log-in the kiosk service hands out.",
                                        "user:password", "demo1:demo");
    const QCommandLineOption updates(
        "updates",
        "Serve releases for the client's self-update from this folder (one subfolder per "
        "component with a file \"version\" and the release's files).",
        "dir");
    const QCommandLineOption freerollIn("freeroll-in",
                                        "Start the evening freeroll this many seconds from now.", "s");
    const QCommandLineOption freerollLevel("freeroll-level", "Seconds a freeroll's blind level lasts.", "s",
                                           "300");
    parser.addOptions({listen, tls, data, tables, users, seed, botDelay, handDelay, actionTimeout,
                       animationPercent, sessionTimeout, community, stateLog, handLog, kiosk, kioskLogin,
                       updates, freerollIn, freerollLevel});
    parser.process(app);

    AccountStore accounts(parser.value(data));
    QString error;
    if (!accounts.open(&error) || !accounts.addDemoUsers()) {
        std::fprintf(stderr, "pokerd: %s\n",
                     qPrintable(error.isEmpty() ? "cannot write " + accounts.path() : error));
        return 2;
    }
    if (parser.isSet(users) && !accounts.addUsers(parser.value(users), &error)) {
        std::fprintf(stderr, "pokerd: %s\n", qPrintable(error));
        return 2;
    }
    QList<TableConfig> tableList = TableConfig::defaults();
    if (parser.isSet(tables)) {
        tableList = TableConfig::load(parser.value(tables), &error);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "pokerd: %s\n", qPrintable(error));
            return 2;
        }
    }

    Table::Timing timing;
    timing.botDelayMs = parser.value(botDelay).toInt();
    timing.betweenHandsMs = parser.value(handDelay).toInt();
    timing.actionTimeoutMs = parser.value(actionTimeout).toInt() * 1000;
    timing.animationPercent = qBound(0, parser.value(animationPercent).toInt(), 1000);
    PokerServer server(&accounts, tableList, parser.value(seed).toUInt(), timing);
    QMap<QString, QString> communityTables;
    for (const QString& entry : parser.values(community))
        communityTables.insert(entry.section('=', 0, 0), entry.section('=', 1));
    server.setCommunityTables(communityTables);
    server.setSessionTimeout(qMax(1, parser.value(sessionTimeout).toInt()));
    server.setStateLog(parser.value(stateLog));
    server.setHandLog(parser.value(handLog));
    if (parser.isSet(freerollIn)) {
        QList<FreerollBoard::Freeroll> freerolls = FreerollBoard::defaults(QDateTime::currentDateTimeUtc());
        freerolls.first().start = QDateTime::currentDateTimeUtc().addSecs(parser.value(freerollIn).toInt());
        server.setFreerolls(freerolls);
    }
    server.setFreerollLevelSeconds(parser.value(freerollLevel).toInt());

    const QString where = parser.value(listen);
    const QHostAddress address(where.section(':', 0, -2));
    const quint16 port = quint16(where.section(':', -1).toUInt());
    HttpServer http(&server);
    UpdateService updateService(parser.value(updates));
    if (parser.isSet(updates))
        http.setUpdateService(&updateService);
    bool listening = false;
    if (parser.isSet(tls)) {
        const QStringList files = parser.value(tls).split(',');
        QFile cert(files.value(0));
        QFile key(files.value(1));
        if (!cert.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "pokerd: cannot read the certificate or key\n");
            return 2;
        }
        // The certificate file may carry the chain after the server's own certificate.
        const QList<QSslCertificate> chain = QSslCertificate::fromDevice(&cert, QSsl::Pem);
        const QByteArray keyData = key.readAll();
        QSslKey privateKey(keyData, QSsl::Rsa, QSsl::Pem);
        if (privateKey.isNull())
            privateKey = QSslKey(keyData, QSsl::Ec, QSsl::Pem);
        if (chain.isEmpty() || chain.first().isNull()) {
            std::fprintf(stderr, "pokerd: %s holds no PEM certificate\n", qPrintable(files.value(0)));
            return 2;
        }
        if (privateKey.isNull()) {
            std::fprintf(stderr,
                         "pokerd: the key in %s does not load (an unencrypted PEM RSA or EC key is needed)\n",
                         qPrintable(files.value(1)));
            return 2;
        }
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificateChain(chain);
        configuration.setPrivateKey(privateKey);
        listening = http.listen(address, port, configuration);
    } else {
        listening = http.listen(address, port);
    }
    if (address.isNull() || !listening) {
        std::fprintf(stderr, "pokerd: cannot listen on %s: %s\n", qPrintable(where),
                     qPrintable(http.errorString()));
        return 1;
    }
    std::printf("pokerd listening on %s://%s:%u (accounts in %s)\n", parser.isSet(tls) ? "https" : "http",
                qPrintable(address.toString()), unsigned(http.port()), qPrintable(accounts.path()));
    // The addresses to give the client; it puts a ticket in place of the placeholder.
    QUrl pages;
    pages.setScheme(parser.isSet(tls) ? QStringLiteral("https") : QStringLiteral("http"));
    const bool everywhere =
        address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6 || address == QHostAddress::Any;
    pages.setHost(everywhere ? QStringLiteral("localhost") : address.toString());
    pages.setPort(http.port());
    pages.setPath(QStringLiteral("/cashier"));
    std::printf("pokerd cashier page: %s?ticket=VeskGames::Ticket\n", qPrintable(pages.toString()));
    pages.setPath(QStringLiteral("/help"));
    std::printf("pokerd help page: %s\n", qPrintable(pages.toString()));
    if (parser.isSet(updates)) {
        QUrl base = pages;
        base.setPath(QString());
        updateService.setBaseUrl(base);
        pages.setPath(UpdateService::endpointPath());
        std::printf("pokerd update server: %s\n", qPrintable(pages.toString()));
    }
    // The kiosk stand-in listens on the loopback only, as a kiosk's service does.
    const QString login = parser.value(kioskLogin);
    KioskService kioskService(login.section(u':', 0, 0), login.section(u':', 1));
    HttpServer kioskHttp(&kioskService);
    if (parser.isSet(kiosk)) {
        const quint16 kioskPort = quint16(parser.value(kiosk).toUInt());
        if (!kioskHttp.listen(QHostAddress::LocalHost, kioskPort)) {
            std::fprintf(stderr, "pokerd: the kiosk service cannot listen on port %u: %s\n",
                         unsigned(kioskPort), qPrintable(kioskHttp.errorString()));
            return 1;
        }
        std::printf("pokerd kiosk service on http://127.0.0.1:%u/\n", unsigned(kioskHttp.port()));
    }
    std::fflush(stdout);
    // A stop by the service manager ends the loop; the accounts are written as everything unwinds.
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &app, [](int signal) {
        std::printf("pokerd: stopping on signal %d\n", signal);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return app.exec();
}
