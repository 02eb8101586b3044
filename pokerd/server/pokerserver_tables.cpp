// The tables the server plays, and the freerolls it starts at their time.
#include "pokerserver_p.h"

namespace Pokerd {

void PokerServer::Private::addTable(Table* table)
{
    QObject::connect(table, &Table::eventFor, q,
                     [this](const QString& session, const QVariantMap& event) { queue(session, event); });
    QObject::connect(table, &Table::playerLeft, q,
                     [this](const QString& user, const QString& session, Cents chips) {
                         accounts->returnFromTable(user, chips, chipsAtTables().value(user));
                         queue(session, {{QStringLiteral("event"), QStringLiteral("gameClose")}});
                     });
    QObject::connect(table, &Table::tournamentFinishedFor, q, [this](const QString& user, Cents prize) {
        accounts->returnFromTable(user, prize, chipsAtTables().value(user));
    });
    QObject::connect(table, &Table::seatTakenOver, q, [this](const QString&, const QString& previous) {
        if (Session* old = findSession(previous)) {
            old->tableId.clear();
            old->requestOpen = false;
            queue(previous, {{QStringLiteral("event"), QStringLiteral("gameClose")}});
        }
    });
    QObject::connect(table, &Table::actionRequested, q, [this](const QString& id) {
        if (Session* session = findSession(id)) {
            session->requestOpen = true;
            session->requestSeen = false;
        }
    });
    QObject::connect(table, &Table::handFinished, q, [this, table] {
        // One write per hand for every table's chips.
        storeTableChips();
        accounts->flush();
        if (table->config().isFreeroll() && table->tourStatus() == 3)
            freerolls.setStatus(table->config().id, FreerollBoard::Finished);
        if (!handLog.isEmpty()) {
            QFile file(handLog);
            if (file.open(QIODevice::WriteOnly | QIODevice::Append))
                file.write(QJsonDocument(QJsonArray{table->lastRecord()})
                               .toJson(QJsonDocument::Compact)
                               .mid(1)
                               .chopped(1) +
                           '\n');
        }
    });
    tables.append(table);
}

void PokerServer::Private::startDueFreerolls()
{
    for (const FreerollBoard::Freeroll& f : freerolls.due(QDateTime::currentDateTimeUtc())) {
        QStringList people = f.registered.values();
        std::sort(people.begin(), people.end());
        if (people.isEmpty()) {
            // Nobody from here: played elsewhere, nothing to show.
            freerolls.setStatus(f.id, FreerollBoard::Running);
            continue;
        }
        const TableConfig config = freerolls.tableFor(f, int(people.size()));
        people = people.mid(0, config.seats);
        auto* table = new Table(config, ++nextSeed, timing, q);
        addTable(table);
        freerolls.setStatus(f.id, FreerollBoard::Running);
        for (const QString& user : std::as_const(people)) {
            // A lobby the player is in opens the table; without one the seat plays on without its player.
            const auto lobby = std::find_if(sessions.begin(), sessions.end(),
                                            [&](const Session& s) { return s.user == user && !s.isChild; });
            QString seatSession;
            if (lobby != sessions.end()) {
                const QString lobbyId = lobby->id;
                Session& child = create(user, lobby->terminal, lobby->peer);
                child.tableId = config.id;
                child.isChild = true;
                seatSession = child.id;
                queue(lobbyId, {{QStringLiteral("event"), QStringLiteral("gameOpen")},
                                {QStringLiteral("action"), 1},
                                {QStringLiteral("childSessionId"), child.id},
                                {QStringLiteral("selection"), config.id},
                                {QStringLiteral("timestamp"), now()}});
            }
            table->registerPlayer(user, seatSession, 1, accounts->shownName(user));
        }
    }
}

} // namespace Pokerd
