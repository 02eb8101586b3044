// The server's methods, one handler each, and who may call them.
#include "pokerserver.h"

#include "pokerserver_p.h"

#include <QRegularExpression>

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

const PokerServer::Private::Method* PokerServer::Private::method(const QString& name)
{
    static const QHash<QString, Method> methods{
        {QStringLiteral("ping"), {Anyone, &Private::rpcPing}},
        {QStringLiteral("authenticate"), {Anyone, &Private::rpcAuthenticate}},
        {QStringLiteral("refresh"), {AnySession, &Private::rpcRefresh}},
        {QStringLiteral("destroy"), {AnySession, &Private::rpcDestroy}},
        {QStringLiteral("userInfo"), {LoggedIn, &Private::rpcUserInfo}},
        {QStringLiteral("userSettings"), {LoggedIn, &Private::rpcUserSettings}},
        {QStringLiteral("gameList"), {LoggedIn, &Private::rpcGameList}},
        {QStringLiteral("freerollList"), {LoggedIn, &Private::rpcFreerollList}},
        {QStringLiteral("freerollDetails"), {LoggedIn, &Private::rpcFreerollDetails}},
        {QStringLiteral("freerollRegister"), {LoggedIn, &Private::rpcFreerollRegister}},
        {QStringLiteral("gameOpen"), {LoggedIn, &Private::rpcGameOpen}},
        {QStringLiteral("gameJoin"), {LoggedIn, &Private::rpcGameJoin}},
        {QStringLiteral("userBuyin"), {LoggedIn, &Private::rpcUserBuyin}},
        {QStringLiteral("gameAction"), {LoggedIn, &Private::rpcGameAction}},
        {QStringLiteral("gameSetting"), {LoggedIn, &Private::rpcGameSetting}},
        {QStringLiteral("gameLeave"), {LoggedIn, &Private::rpcGameLeave}},
        {QStringLiteral("gameHistory"), {LoggedIn, &Private::rpcGameHistory}},
        {QStringLiteral("portalAccountAdd"), {LoggedIn, &Private::rpcPortalAccountAdd}},
        {QStringLiteral("userTicket"), {LoggedIn, &Private::rpcUserTicket}},
        {QStringLiteral("getAvatarList"), {LoggedIn, &Private::rpcGetAvatarList}},
        {QStringLiteral("getAvatar"), {LoggedIn, &Private::rpcGetAvatar}},
        {QStringLiteral("getImageList"), {LoggedIn, &Private::rpcGetImageList}},
        {QStringLiteral("getImage"), {LoggedIn, &Private::rpcGetImage}},
    };
    const auto found = methods.constFind(name);
    return found == methods.cend() ? nullptr : &found.value();
}

xmlrpc::Response PokerServer::Private::rpcPing(RpcCall&)
{
    return ok();
}

xmlrpc::Response PokerServer::Private::rpcAuthenticate(RpcCall& call)
{
    if (!call.param(1).canConvert<QStringList>())
        return fault(BadParameters,
                     PokerServer::tr("authenticate expects a mode and a list of credentials."));
    const int mode = call.param(0).toInt();
    const QStringList credentials = call.param(1).toStringList();
    const QString login = credentials.value(0);
    const QString terminal = credentials.value(2);
    if (login.isEmpty() && credentials.value(1).isEmpty()) {
        // A community display: an onlooker without an account.
        Session& session = create(QString(), terminal, call.peer);
        *call.newSessionId = session.id;
        session.events.append(Private::authenticateEvent(true, false, QString()));
        return ok();
    }
    // A nickname logs in as well as the account's name: the client keeps the name it is shown.
    const QString user = accounts->accountFor(login);
    const QString userKey = QStringLiteral("user:") + (user.isEmpty() ? login : user);
    const QString addressKey = QStringLiteral("address:") + call.peer;
    // Blocked attempts are not even checked: guessing stays slow and cheap for us.
    const bool blocked = userLogins.isBlocked(userKey) || addressLogins.isBlocked(addressKey);
    const bool accepted = !blocked && !user.isEmpty() && passwordMatches(mode, user, credentials);
    if (!accepted) {
        if (!blocked) {
            userLogins.failed(userKey);
            addressLogins.failed(addressKey);
        }
        // The answer arrives as an event, so the client needs a session to poll.
        Session& session = create(QString(), terminal, call.peer);
        session.loginFailed = true;
        *call.newSessionId = session.id;
        session.events.append(Private::authenticateEvent(false, false, QString()));
        return ok();
    }
    userLogins.succeeded(userKey);
    if (mode == 2 && accounts->account(user).nickname.isEmpty()) {
        // Through a partner portal the tables show a nickname, chosen before anything else.
        Session& pending = create(QString(), terminal, call.peer);
        pending.portalUser = user;
        *call.newSessionId = pending.id;
        pending.events.append(Private::authenticateEvent(true, false, user, true));
        return ok();
    }
    Session& session = create(user, terminal, call.peer);
    *call.newSessionId = session.id;
    const int at = int(session.events.size());
    const bool reopened = reopenSeats(session);
    session.events.insert(at, Private::authenticateEvent(true, reopened, accounts->shownName(user)));
    return ok();
}

xmlrpc::Response PokerServer::Private::rpcRefresh(RpcCall& call)
{
    Session& session = *call.session;
    if (session.requestOpen)
        session.requestSeen = true;
    if (std::exchange(session.lostEvents, false)) {
        // What happened meanwhile is gone: a server id of its own makes the
        // client tell the player to start again.
        return ok(
            xmlrpc::Variant(QVariantList{QVariantMap{{QStringLiteral("event"), QStringLiteral("serverInfo")},
                                                     {QStringLiteral("id"), newId()},
                                                     {QStringLiteral("timestamp"), now()}}}));
    }
    const QVariantList events = std::exchange(session.events, {});
    if (!events.isEmpty()) {
        ++session.batches;
        if (!stateLog.isEmpty() && call.table)
            logState(session, *call.table);
    }
    return ok(xmlrpc::Variant(events));
}

xmlrpc::Response PokerServer::Private::rpcDestroy(RpcCall& call)
{
    Session& session = *call.session;
    end(session.id);
    return ok();
}

xmlrpc::Response PokerServer::Private::rpcUserInfo(RpcCall& call)
{
    Session& session = *call.session;
    const AccountStore::Account a = accounts->account(session.user);
    // A call.table's session holds what lies at that call.table; the lobby's, what lies at all of them.
    const Table* at = table(session.tableId);
    const Cents held = at ? at->chipsOf(session.id) : a.atTables;
    session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("userInfo")},
                                      {QStringLiteral("firstname"), a.firstName},
                                      {QStringLiteral("lastname"), a.lastName},
                                      {QStringLiteral("email"), a.email},
                                      {QStringLiteral("balance"), HandEngine::toUnits(a.balance)},
                                      {QStringLiteral("session"), HandEngine::toUnits(held)}});
    return ok();
}

xmlrpc::Response PokerServer::Private::rpcUserSettings(RpcCall& call)
{
    Session& session = *call.session;
    if (session.user.isEmpty())
        return ok(xmlrpc::Variant(false));
    if (call.param(0).toBool()) {
        if (call.param(1).metaType().id() != QMetaType::QVariantMap)
            return fault(BadParameters, PokerServer::tr("userSettings expects a map of settings."));
        accounts->setSettings(session.user, call.param(1).toMap());
        // Changes come in bursts from the options dialog: one write for all of them.
        if (!settingsWrite.isActive())
            settingsWrite.start(kSettingsWriteDelayMs);
        return ok();
    }
    return ok(xmlrpc::Variant(QVariant(accounts->account(session.user).settings)));
}

xmlrpc::Response PokerServer::Private::rpcGameList(RpcCall& call)
{
    Session& session = *call.session;
    QVariantList list;
    for (Table* t : std::as_const(tables)) {
        if (t->config().isFreeroll())
            continue; // listed with the freerolls
        list.append(t->listing(!session.user.isEmpty() && t->hasSeat(session.user)));
    }
    return ok(xmlrpc::Variant(list));
}

xmlrpc::Response PokerServer::Private::rpcFreerollList(RpcCall& call)
{
    Session& session = *call.session;
    return ok(xmlrpc::Variant(freerolls.list(session.user)));
}

xmlrpc::Response PokerServer::Private::rpcFreerollDetails(RpcCall& call)
{
    const QVariantMap details = freerolls.details(call.param(0).toString());
    if (details.isEmpty())
        return fault(NoSuchFreeroll, PokerServer::tr("There is no such freeroll."));
    return ok(xmlrpc::Variant(QVariant(details)));
}

xmlrpc::Response PokerServer::Private::rpcFreerollRegister(RpcCall& call)
{
    Session& session = *call.session;
    const FreerollBoard::Outcome outcome =
        freerolls.setRegistered(session.user, call.param(0).toString(), call.param(1).toBool());
    return ok(xmlrpc::Variant(outcome == FreerollBoard::Done));
}

xmlrpc::Response PokerServer::Private::rpcGameOpen(RpcCall& call)
{
    Session& session = *call.session;
    Table* wanted = table(call.param(0).toString());
    if (!wanted || session.user.isEmpty())
        return ok(xmlrpc::Variant(false));
    // The call.table gets a session of its own, which the client takes over.
    Session& child = create(session.user, session.terminal, session.peer);
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

xmlrpc::Response PokerServer::Private::rpcGameJoin(RpcCall& call)
{
    Session& session = *call.session;
    const QString named = call.param(0).toString();
    QString tableId = session.tableId;
    if (table(named)) {
        tableId = named;
    } else if (const Session* other = findSession(named); other && other->user == session.user) {
        if (!other->tableId.isEmpty())
            tableId = other->tableId;
    }
    if (tableId.isEmpty() && session.user.isEmpty())
        tableId = communityTables.value(
            session.terminal, communityTables.value(QStringLiteral("*"), tables.value(0)->config().id));
    Table* wanted = table(tableId);
    const auto joinEvent = [](bool joined) {
        return QVariantMap{{QStringLiteral("event"), QStringLiteral("gameJoin")},
                           {QStringLiteral("ok"), joined},
                           {QStringLiteral("timestamp"), now()}};
    };
    if (!wanted) {
        session.events.append(joinEvent(false));
        return ok(xmlrpc::Variant(false));
    }
    if (call.table && call.table != wanted && session.bought > 0)
        return ok(xmlrpc::Variant(false)); // chips bought for another call.table
    if (call.table && call.table != wanted)
        call.table->leave(session.id);
    session.tableId = tableId;
    session.events.append(joinEvent(true));
    if (wanted->config().isTournament()) {
        // A seat there is taken by registering; until then the call.table is watched.
        if (wanted->hasSeat(session.user))
            wanted->join(session.user, session.id, 1);
        else
            wanted->watch(session.id);
        return ok();
    }
    if (session.user.isEmpty()) {
        wanted->watch(session.id);
    } else if (wanted->join(session.user, session.id, 1, std::exchange(session.preferredSeat, -1),
                            accounts->shownName(session.user)) < 0) {
        session.events.last() = joinEvent(false);
        return ok(xmlrpc::Variant(false));
    } else if (session.bought > 0) {
        wanted->addChips(session.id, std::exchange(session.bought, 0));
    } else if (const Cents held = std::exchange(session.heldChips, 0);
               held > 0 && accounts->takeToTable(session.user, held)) {
        wanted->addChips(session.id, held);
    }
    return ok();
}

xmlrpc::Response PokerServer::Private::rpcUserBuyin(RpcCall& call)
{
    Session& session = *call.session;
    const Cents amount = HandEngine::fromUnits(call.param(0).toDouble());
    if (!call.param(0).canConvert<double>() || amount == HandEngine::InvalidAmount)
        return fault(BadParameters, PokerServer::tr("userBuyin expects an amount."));
    // The chips are for this session's call.table, or for the call.table session named.
    Session* target = &session;
    if (call.params.size() > 1) {
        Session* named = findSession(call.param(1).toString());
        if (named && named->user == session.user)
            target = named;
        else if (table(call.param(1).toString()) && session.tableId.isEmpty())
            session.tableId = call.param(1).toString();
    }
    Table* buyTable = table(target->tableId);
    bool accepted = false;
    if (buyTable && !session.user.isEmpty()) {
        const bool seated = buyTable->isSeated(target->id);
        const Cents chips = seated ? buyTable->chipsOf(target->id) : target->bought;
        const TableConfig& c = buyTable->config();
        if (c.isTournament()) {
            // Exactly the buy-in and fee, held until registering takes it.
            accepted = !seated && buyTable->tourStatus() == 1 &&
                       target->bought + amount == buyTable->tournamentCost() &&
                       accounts->takeToTable(session.user, amount);
        } else
            accepted = amount > 0 && chips + amount <= c.buyinMax && (chips > 0 || amount >= c.buyinMin) &&
                       accounts->takeToTable(session.user, amount);
        if (accepted && seated)
            accepted = buyTable->addChips(target->id, amount);
        else if (accepted)
            target->bought += amount;
    }
    session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("userBuyin")},
                                      {QStringLiteral("ok"), accepted}});
    return ok(xmlrpc::Variant(accepted));
}

xmlrpc::Response PokerServer::Private::rpcGameAction(RpcCall& call)
{
    Session& session = *call.session;
    const Cents amount = HandEngine::fromUnits(call.param(1).toDouble());
    if (call.params.size() < 2 || !call.param(1).canConvert<double>() || amount == HandEngine::InvalidAmount)
        return fault(BadParameters, PokerServer::tr("gameAction expects an action and an amount."));
    // Only an answer to a request the client has seen: a late action must
    // not decide the next turn.
    if (!session.requestOpen || !session.requestSeen || !call.table)
        return ok(xmlrpc::Variant(false));
    // Closed before acting: the action may well ask this seat again at once
    // (it closed a round and speaks first on the next), and that request stands.
    session.requestOpen = false;
    const bool accepted = call.table->act(session.id, call.param(0).toString(), amount);
    if (!accepted)
        session.requestOpen = true;
    return ok(xmlrpc::Variant(accepted));
}

xmlrpc::Response PokerServer::Private::rpcGameSetting(RpcCall& call)
{
    const QString setting = call.param(0).toString();
    // At a Sit & Go the seat is taken by registering.
    if (call.table && call.table->config().isSitAndGo() &&
        (setting == QLatin1String("register") || setting == QLatin1String("unregister")))
        return ok(
            xmlrpc::Variant(setRegistered(*call.session, call.table, setting == QLatin1String("register"))));
    return ok(xmlrpc::Variant(call.table != nullptr && call.table->setting(call.session->id, setting)));
}

xmlrpc::Response PokerServer::Private::rpcGameLeave(RpcCall& call)
{
    Session& session = *call.session;
    if (!call.table)
        return ok(xmlrpc::Variant(false));
    const bool seated = call.table->isSeated(session.id);
    call.table->leave(session.id);
    // Only watching (a tournament's rail, say): nothing to wait for.
    if (!seated)
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("gameClose")}});
    return ok();
}

xmlrpc::Response PokerServer::Private::rpcGameHistory(RpcCall& call)
{
    Session& session = *call.session;
    // A call.table session sees that call.table's hands; the lobby the user's last hands anywhere.
    QStringList hands;
    if (call.table) {
        hands = call.table->history(session.user, kHistoryHands);
    } else if (!session.user.isEmpty()) {
        for (Table* t : std::as_const(tables))
            hands += t->history(session.user, kHistoryHands, true);
        hands = hands.mid(qMax(0, int(hands.size()) - kHistoryHands));
    }
    session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("gameHistory")},
                                      {QStringLiteral("gameEvents"), QVariant(hands).toList()}});
    return ok();
}

xmlrpc::Response PokerServer::Private::rpcPortalAccountAdd(RpcCall& call)
{
    Session& session = *call.session;
    // Only the account this session logged in for, once; the name is the
    // tables' to show: letters and digits, at most ten, nobody else's.
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9]{1,10}$"));
    const QString chosen = call.param(0).toString();
    const bool accepted = !session.portalUser.isEmpty() &&
                          accounts->accountFor(call.param(2).toString()) == session.portalUser &&
                          allowed.match(chosen).hasMatch() &&
                          accounts->setNickname(session.portalUser, chosen);
    session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("portalAccountAdd")},
                                      {QStringLiteral("ok"), accepted}});
    return ok();
}

xmlrpc::Response PokerServer::Private::rpcUserTicket(RpcCall& call)
{
    Session& session = *call.session;
    // An onlooker has no account for a page to show.
    if (session.user.isEmpty())
        return ok(xmlrpc::Variant(false));
    return ok(xmlrpc::Variant(tickets.issue(session.user, TicketStore::WebPage)));
}

xmlrpc::Response PokerServer::Private::rpcGetAvatarList(RpcCall&)
{
    return ok(xmlrpc::Variant(pictureList(QStringLiteral(":/avatars/avatars.txt"))));
}

xmlrpc::Response PokerServer::Private::rpcGetAvatar(RpcCall& call)
{
    return ok(picture(QStringLiteral(":/avatars/%1.png").arg(call.param(0).toInt())));
}

xmlrpc::Response PokerServer::Private::rpcGetImageList(RpcCall&)
{
    return ok(xmlrpc::Variant(pictureList(QStringLiteral(":/gamelist/images.txt"))));
}

xmlrpc::Response PokerServer::Private::rpcGetImage(RpcCall& call)
{
    return ok(picture(QStringLiteral(":/gamelist/%1.png").arg(call.param(0).toInt())));
}

} // namespace Pokerd
