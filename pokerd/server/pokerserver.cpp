#include "pokerserver.h"

#include "pokerserver_p.h"

namespace Pokerd {

namespace {

// A picture set's index: "<id> <name>" per line.
QVariantList pictureList(const QString& indexPath)
{
    QVariantList list;
    QFile index(indexPath);
    if (index.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : index.readAll().split('\n')) {
            const QList<QByteArray> parts = line.trimmed().split(' ');
            if (parts.size() == 2)
                list.append(QVariantMap{{QStringLiteral("id"), parts.at(0).toInt()},
                                        {QStringLiteral("name"), QString::fromUtf8(parts.at(1))}});
        }
    }
    return list;
}

xmlrpc::Variant picture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return xmlrpc::Variant(false);
    return xmlrpc::Variant(QVariantMap{{QStringLiteral("image"), file.readAll()}});
}

} // namespace

PokerServer::PokerServer(AccountStore* accounts, const QList<TableConfig>& tables, quint32 seed,
                         const Table::Timing& timing, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->q = this;
    d->accounts = accounts;
    connect(&d->expiry, &QTimer::timeout, this, [this] { d->expire(); });
    d->settingsWrite.setSingleShot(true);
    connect(&d->settingsWrite, &QTimer::timeout, this, [this] { d->accounts->flush(); });
    setSessionTimeout(30 * 60);
    quint32 tableSeed = seed;
    d->timing = timing;
    for (const TableConfig& config : tables)
        d->addTable(new Table(config, ++tableSeed, timing, this));
    d->nextSeed = tableSeed;
    connect(&d->freerollClock, &QTimer::timeout, this, [this] { d->startDueFreerolls(); });
    d->freerollClock.start(1000);
}

PokerServer::~PokerServer() = default;

void PokerServer::setFreerolls(const QList<FreerollBoard::Freeroll>& freerolls)
{
    d->freerolls = FreerollBoard(freerolls);
}

void PokerServer::setFreerollLevelSeconds(int seconds)
{
    d->freerolls.setLevelSeconds(seconds);
}

void PokerServer::setHandLog(const QString& path)
{
    d->handLog = path;
}

void PokerServer::setStateLog(const QString& path)
{
    d->stateLog = path;
}

void PokerServer::setSessionTimeout(int seconds)
{
    // Sessions nobody calls for are ended, so that abandoned logins do not pile up.
    d->sessionTimeoutMs = seconds * 1000;
    d->expiry.start(qBound(100, d->sessionTimeoutMs / 4, 60000));
}

void PokerServer::setEventQueueLifetime(int ms)
{
    d->queueKeptMs = ms;
}

void PokerServer::setCommunityTables(const QMap<QString, QString>& tables)
{
    d->communityTables = tables;
}

QString PokerServer::serverId() const
{
    return d->serverId;
}

QList<Table*> PokerServer::tables() const
{
    return d->tables;
}

AccountStore* PokerServer::accounts() const
{
    return d->accounts;
}

TicketStore* PokerServer::tickets() const
{
    return &d->tickets;
}

int PokerServer::sessionCount() const
{
    return int(d->sessions.size());
}

xmlrpc::Response PokerServer::call(const QString& method, const QList<xmlrpc::Variant>& params,
                                   const QString& sessionId, QString* newSessionId, const QString& peer)
{
    auto param = [&](int i) -> QVariant { return i < params.size() ? QVariant(params.at(i)) : QVariant(); };

    if (method == QLatin1String("ping"))
        return ok();

    if (method == QLatin1String("authenticate")) {
        if (!param(1).canConvert<QStringList>())
            return fault(BadParameters, tr("authenticate expects a mode and a list of credentials."));
        const int mode = param(0).toInt();
        const QStringList credentials = param(1).toStringList();
        const QString login = credentials.value(0);
        const QString terminal = credentials.value(2);
        if (login.isEmpty() && credentials.value(1).isEmpty()) {
            // A community display: an onlooker without an account.
            Session& session = d->create(QString(), terminal, peer);
            *newSessionId = session.id;
            session.events.append(Private::authenticateEvent(true, false, QString()));
            return ok();
        }
        // A nickname logs in as well as the account's name: the client keeps the name it is shown.
        const QString user = d->accounts->accountFor(login);
        const QString userKey = QStringLiteral("user:") + (user.isEmpty() ? login : user);
        const QString addressKey = QStringLiteral("address:") + peer;
        // Blocked attempts are not even checked: guessing stays slow and cheap for us.
        const bool blocked = d->userLogins.isBlocked(userKey) || d->addressLogins.isBlocked(addressKey);
        const bool accepted = !blocked && !user.isEmpty() && d->passwordMatches(mode, user, credentials);
        if (!accepted) {
            if (!blocked) {
                d->userLogins.failed(userKey);
                d->addressLogins.failed(addressKey);
            }
            // The answer arrives as an event, so the client needs a session to poll.
            Session& session = d->create(QString(), terminal, peer);
            session.loginFailed = true;
            *newSessionId = session.id;
            session.events.append(Private::authenticateEvent(false, false, QString()));
            return ok();
        }
        d->userLogins.succeeded(userKey);
        if (mode == 2 && d->accounts->account(user).nickname.isEmpty()) {
            // Through a partner portal the tables show a nickname, chosen before anything else.
            Session& pending = d->create(QString(), terminal, peer);
            pending.portalUser = user;
            *newSessionId = pending.id;
            pending.events.append(Private::authenticateEvent(true, false, user, true));
            return ok();
        }
        Session& session = d->create(user, terminal, peer);
        *newSessionId = session.id;
        const int at = int(session.events.size());
        const bool reopened = d->reopenSeats(session);
        session.events.insert(at, Private::authenticateEvent(true, reopened, d->accounts->shownName(user)));
        return ok();
    }

    const auto found = d->sessions.find(sessionId);
    if (found == d->sessions.end()) {
        // A session of a server that ran before this one: the client learns
        // that the server is another one now and tells its player so.
        if (method == QLatin1String("refresh") && !sessionId.isEmpty() &&
            !sessionId.startsWith(d->sessionTag()))
            return ok(xmlrpc::Variant(
                QVariantList{QVariantMap{{QStringLiteral("event"), QStringLiteral("serverInfo")},
                                         {QStringLiteral("id"), d->serverId},
                                         {QStringLiteral("timestamp"), now()}}}));
        return fault(NotLoggedIn, tr("Not logged in."));
    }
    Session& session = found.value();
    session.idle.restart();
    Table* table = d->table(session.tableId);

    if (method == QLatin1String("refresh")) {
        if (session.requestOpen)
            session.requestSeen = true;
        if (std::exchange(session.lostEvents, false)) {
            // What happened meanwhile is gone: a server id of its own makes the
            // client tell the player to start again.
            return ok(xmlrpc::Variant(
                QVariantList{QVariantMap{{QStringLiteral("event"), QStringLiteral("serverInfo")},
                                         {QStringLiteral("id"), newId()},
                                         {QStringLiteral("timestamp"), now()}}}));
        }
        const QVariantList events = std::exchange(session.events, {});
        if (!events.isEmpty()) {
            ++session.batches;
            if (!d->stateLog.isEmpty() && table)
                d->logState(session, *table);
        }
        return ok(xmlrpc::Variant(events));
    }
    if (method == QLatin1String("destroy")) {
        d->end(session.id);
        return ok();
    }
    if (session.loginFailed)
        return ok(xmlrpc::Variant(false));
    if (method == QLatin1String("userInfo")) {
        const AccountStore::Account a = d->accounts->account(session.user);
        // A table's session holds what lies at that table; the lobby's, what lies at all of them.
        const Table* at = d->table(session.tableId);
        const Cents held = at ? at->chipsOf(session.id) : a.atTables;
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("userInfo")},
                                          {QStringLiteral("firstname"), a.firstName},
                                          {QStringLiteral("lastname"), a.lastName},
                                          {QStringLiteral("email"), a.email},
                                          {QStringLiteral("balance"), HandEngine::toUnits(a.balance)},
                                          {QStringLiteral("session"), HandEngine::toUnits(held)}});
        return ok();
    }
    if (method == QLatin1String("userSettings")) {
        if (session.user.isEmpty())
            return ok(xmlrpc::Variant(false));
        if (param(0).toBool()) {
            if (param(1).metaType().id() != QMetaType::QVariantMap)
                return fault(BadParameters, tr("userSettings expects a map of settings."));
            d->accounts->setSettings(session.user, param(1).toMap());
            // Changes come in bursts from the options dialog: one write for all of them.
            if (!d->settingsWrite.isActive())
                d->settingsWrite.start(kSettingsWriteDelayMs);
            return ok();
        }
        return ok(xmlrpc::Variant(QVariant(d->accounts->account(session.user).settings)));
    }
    if (method == QLatin1String("gameList")) {
        QVariantList list;
        for (Table* t : std::as_const(d->tables)) {
            if (t->config().isFreeroll())
                continue; // listed with the freerolls
            list.append(t->listing(!session.user.isEmpty() && t->hasSeat(session.user)));
        }
        return ok(xmlrpc::Variant(list));
    }
    if (method == QLatin1String("freerollList"))
        return ok(xmlrpc::Variant(d->freerolls.list(session.user)));
    if (method == QLatin1String("freerollDetails")) {
        const QVariantMap details = d->freerolls.details(param(0).toString());
        if (details.isEmpty())
            return fault(NoSuchFreeroll, tr("There is no such freeroll."));
        return ok(xmlrpc::Variant(QVariant(details)));
    }
    if (method == QLatin1String("freerollRegister")) {
        const FreerollBoard::Outcome outcome =
            d->freerolls.setRegistered(session.user, param(0).toString(), param(1).toBool());
        return ok(xmlrpc::Variant(outcome == FreerollBoard::Done));
    }
    if (method == QLatin1String("gameOpen")) {
        Table* wanted = d->table(param(0).toString());
        if (!wanted || session.user.isEmpty())
            return ok(xmlrpc::Variant(false));
        // The table gets a session of its own, which the client takes over.
        Session& child = d->create(session.user, session.terminal, session.peer);
        child.tableId = wanted->config().id;
        child.isChild = true;
        // Bit 2: buy chips first; bit 1: join, the chips are there already
        // (or come with registering, at a Sit & Go).
        const int action =
            wanted->config().isTournament() || wanted->peopleStacks().value(session.user) > 0 ? 1 : 2;
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("gameOpen")},
                                          {QStringLiteral("action"), action},
                                          {QStringLiteral("childSessionId"), child.id},
                                          {QStringLiteral("selection"), wanted->config().id},
                                          {QStringLiteral("timestamp"), now()}});
        return ok();
    }
    if (method == QLatin1String("gameJoin")) {
        const QString named = param(0).toString();
        QString tableId = session.tableId;
        if (d->table(named)) {
            tableId = named;
        } else if (const Session* other = d->findSession(named); other && other->user == session.user) {
            if (!other->tableId.isEmpty())
                tableId = other->tableId;
        }
        if (tableId.isEmpty() && session.user.isEmpty())
            tableId = d->communityTables.value(
                session.terminal,
                d->communityTables.value(QStringLiteral("*"), d->tables.value(0)->config().id));
        Table* wanted = d->table(tableId);
        const auto joinEvent = [](bool joined) {
            return QVariantMap{{QStringLiteral("event"), QStringLiteral("gameJoin")},
                               {QStringLiteral("ok"), joined},
                               {QStringLiteral("timestamp"), now()}};
        };
        if (!wanted) {
            session.events.append(joinEvent(false));
            return ok(xmlrpc::Variant(false));
        }
        if (table && table != wanted && session.bought > 0)
            return ok(xmlrpc::Variant(false)); // chips bought for another table
        if (table && table != wanted)
            table->leave(session.id);
        session.tableId = tableId;
        session.events.append(joinEvent(true));
        if (wanted->config().isTournament()) {
            // A seat there is taken by registering; until then the table is watched.
            if (wanted->hasSeat(session.user))
                wanted->join(session.user, session.id, 1);
            else
                wanted->watch(session.id);
            return ok();
        }
        if (session.user.isEmpty()) {
            wanted->watch(session.id);
        } else if (wanted->join(session.user, session.id, 1, std::exchange(session.preferredSeat, -1),
                                d->accounts->shownName(session.user)) < 0) {
            session.events.last() = joinEvent(false);
            return ok(xmlrpc::Variant(false));
        } else if (session.bought > 0) {
            wanted->addChips(session.id, std::exchange(session.bought, 0));
        } else if (const Cents held = std::exchange(session.heldChips, 0);
                   held > 0 && d->accounts->takeToTable(session.user, held)) {
            wanted->addChips(session.id, held);
        }
        return ok();
    }
    if (method == QLatin1String("userBuyin")) {
        const Cents amount = HandEngine::fromUnits(param(0).toDouble());
        if (!param(0).canConvert<double>() || amount == HandEngine::InvalidAmount)
            return fault(BadParameters, tr("userBuyin expects an amount."));
        // The chips are for this session's table, or for the table session named.
        Session* target = &session;
        if (params.size() > 1) {
            Session* named = d->findSession(param(1).toString());
            if (named && named->user == session.user)
                target = named;
            else if (d->table(param(1).toString()) && session.tableId.isEmpty())
                session.tableId = param(1).toString();
        }
        Table* buyTable = d->table(target->tableId);
        bool accepted = false;
        if (buyTable && !session.user.isEmpty()) {
            const bool seated = buyTable->isSeated(target->id);
            const Cents chips = seated ? buyTable->chipsOf(target->id) : target->bought;
            const TableConfig& c = buyTable->config();
            if (c.isTournament()) {
                // Exactly the buy-in and fee, held until registering takes it.
                accepted = !seated && buyTable->tourStatus() == 1 &&
                           target->bought + amount == buyTable->tournamentCost() &&
                           d->accounts->takeToTable(session.user, amount);
            } else
                accepted = amount > 0 && chips + amount <= c.buyinMax &&
                           (chips > 0 || amount >= c.buyinMin) &&
                           d->accounts->takeToTable(session.user, amount);
            if (accepted && seated)
                accepted = buyTable->addChips(target->id, amount);
            else if (accepted)
                target->bought += amount;
        }
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("userBuyin")},
                                          {QStringLiteral("ok"), accepted}});
        return ok(xmlrpc::Variant(accepted));
    }
    if (method == QLatin1String("gameAction")) {
        const Cents amount = HandEngine::fromUnits(param(1).toDouble());
        if (params.size() < 2 || !param(1).canConvert<double>() || amount == HandEngine::InvalidAmount)
            return fault(BadParameters, tr("gameAction expects an action and an amount."));
        // Only an answer to a request the client has seen: a late action must
        // not decide the next turn.
        if (!session.requestOpen || !session.requestSeen || !table)
            return ok(xmlrpc::Variant(false));
        // Closed before acting: the action may well ask this seat again at once
        // (it closed a round and speaks first on the next), and that request stands.
        session.requestOpen = false;
        const bool accepted = table->act(session.id, param(0).toString(), amount);
        if (!accepted)
            session.requestOpen = true;
        return ok(xmlrpc::Variant(accepted));
    }
    if (method == QLatin1String("gameSetting") && table && table->config().isSitAndGo() &&
        (param(0).toString() == QLatin1String("register") ||
         param(0).toString() == QLatin1String("unregister")))
        return ok(xmlrpc::Variant(
            d->setRegistered(session, table, param(0).toString() == QLatin1String("register"))));
    if (method == QLatin1String("gameSetting")) {
        return ok(xmlrpc::Variant(table != nullptr && table->setting(session.id, param(0).toString())));
    }
    if (method == QLatin1String("gameLeave")) {
        if (!table)
            return ok(xmlrpc::Variant(false));
        const bool seated = table->isSeated(session.id);
        table->leave(session.id);
        // Only watching (a tournament's rail, say): nothing to wait for.
        if (!seated)
            session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("gameClose")}});
        return ok();
    }
    if (method == QLatin1String("gameHistory")) {
        // A table session sees that table's hands; the lobby the user's last hands anywhere.
        QStringList hands;
        if (table) {
            hands = table->history(session.user, kHistoryHands);
        } else if (!session.user.isEmpty()) {
            for (Table* t : std::as_const(d->tables))
                hands += t->history(session.user, kHistoryHands, true);
            hands = hands.mid(qMax(0, int(hands.size()) - kHistoryHands));
        }
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("gameHistory")},
                                          {QStringLiteral("gameEvents"), QVariant(hands).toList()}});
        return ok();
    }
    if (method == QLatin1String("portalAccountAdd")) {
        // Only the account this session logged in for, once; the name is the
        // tables' to show: letters and digits, at most ten, nobody else's.
        static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9]{1,10}$"));
        const QString chosen = param(0).toString();
        const bool accepted = !session.portalUser.isEmpty() &&
                              d->accounts->accountFor(param(2).toString()) == session.portalUser &&
                              allowed.match(chosen).hasMatch() &&
                              d->accounts->setNickname(session.portalUser, chosen);
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("portalAccountAdd")},
                                          {QStringLiteral("ok"), accepted}});
        return ok();
    }
    if (method == QLatin1String("userTicket")) {
        // An onlooker has no account for a page to show.
        if (session.user.isEmpty())
            return ok(xmlrpc::Variant(false));
        return ok(xmlrpc::Variant(d->tickets.issue(session.user, TicketStore::WebPage)));
    }
    if (method == QLatin1String("getAvatarList"))
        return ok(xmlrpc::Variant(pictureList(QStringLiteral(":/avatars/avatars.txt"))));
    if (method == QLatin1String("getAvatar"))
        return ok(picture(QStringLiteral(":/avatars/%1.png").arg(param(0).toInt())));
    if (method == QLatin1String("getImageList"))
        return ok(xmlrpc::Variant(pictureList(QStringLiteral(":/gamelist/images.txt"))));
    if (method == QLatin1String("getImage"))
        return ok(picture(QStringLiteral(":/gamelist/%1.png").arg(param(0).toInt())));
    return fault(UnknownMethod, tr("Unknown method: %1").arg(method));
}

} // namespace Pokerd
