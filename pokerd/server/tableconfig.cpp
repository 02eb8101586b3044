#include "tableconfig.h"

#include "handengine.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Pokerd {

QList<TableConfig> TableConfig::defaults()
{
    QList<TableConfig> tables;
    TableConfig holdem;
    holdem.id = QStringLiteral("holdem-nl-050-1");
    holdem.name = QStringLiteral("Hold'em NL 0.50/1");
    tables.append(holdem);

    TableConfig omaha;
    omaha.id = QStringLiteral("omaha-pl-1-2");
    omaha.name = QStringLiteral("Omaha PL 1/2");
    omaha.type = 0x1002;
    omaha.limit = 2;
    omaha.smallBlind = 100;
    omaha.bigBlind = 200;
    omaha.buyinMin = 4000;
    omaha.buyinMax = 20000;
    omaha.seats = 9;
    tables.append(omaha);

    TableConfig big = holdem;
    big.id = QStringLiteral("holdem-nl-1-2");
    big.name = QStringLiteral("Hold'em NL 1/2");
    big.smallBlind = 100;
    big.bigBlind = 200;
    big.buyinMin = 4000;
    big.buyinMax = 20000;
    big.seats = 10;
    tables.append(big);

    TableConfig instant = holdem;
    instant.id = QStringLiteral("holdem-instant");
    instant.name = QStringLiteral("Hold'em Instant 0.50/1");
    instant.type = 0x5001;
    tables.append(instant);

    TableConfig ante = holdem;
    ante.id = QStringLiteral("holdem-ante");
    ante.name = QStringLiteral("Hold'em Ante 1");
    ante.smallBlind = 0;
    ante.bigBlind = 0;
    ante.ante = 100;
    tables.append(ante);

    TableConfig holdemPotLimit = holdem;
    holdemPotLimit.id = QStringLiteral("holdem-pl-1-2");
    holdemPotLimit.name = QStringLiteral("Hold'em PL 1/2");
    holdemPotLimit.limit = 2;
    holdemPotLimit.smallBlind = 100;
    holdemPotLimit.bigBlind = 200;
    holdemPotLimit.buyinMin = 4000;
    holdemPotLimit.buyinMax = 20000;
    tables.append(holdemPotLimit);

    TableConfig omahaNoLimit = omaha;
    omahaNoLimit.id = QStringLiteral("omaha-nl-050-1");
    omahaNoLimit.name = QStringLiteral("Omaha NL 0.50/1");
    omahaNoLimit.limit = 1;
    omahaNoLimit.smallBlind = 50;
    omahaNoLimit.bigBlind = 100;
    omahaNoLimit.buyinMin = 2000;
    omahaNoLimit.buyinMax = 10000;
    omahaNoLimit.seats = 6;
    tables.append(omahaNoLimit);

    // Every seat taken: the lobby must show a table nobody can join.
    TableConfig full = holdem;
    full.id = QStringLiteral("holdem-full");
    full.name = QStringLiteral("Hold'em NL 0.50/1 Full");
    full.seats = 4;
    full.bots = 4;
    tables.append(full);

    TableConfig empty = holdem;
    empty.id = QStringLiteral("holdem-empty");
    empty.name = QStringLiteral("Hold'em NL 2/4");
    empty.smallBlind = 200;
    empty.bigBlind = 400;
    empty.buyinMin = 8000;
    empty.buyinMax = 40000;
    empty.bots = 0;
    tables.append(empty);

    TableConfig sitAndGo = holdem;
    sitAndGo.id = QStringLiteral("sng-holdem-3");
    sitAndGo.name = QStringLiteral("Sit & Go Hold'em 3 seats");
    sitAndGo.type = 0x2001;
    sitAndGo.smallBlind = 1000;
    sitAndGo.bigBlind = 2000;
    sitAndGo.buyinMin = 1000;
    sitAndGo.buyinMax = 1000;
    sitAndGo.tourFee = 100;
    sitAndGo.tourPayouts = {65, 35};
    sitAndGo.seats = 3;
    tables.append(sitAndGo);
    // The tile lobby's pictures, one per table, round the set.
    for (int i = 0; i < tables.size(); ++i)
        tables[i].imageId = 1 + i % TileImageCount;
    return tables;
}

QList<int> TableConfig::payoutShares() const
{
    return tourPayouts.isEmpty() ? QList<int>{50, 30, 20} : tourPayouts;
}

QString TableConfig::problem() const
{
    const Cents amounts[] = {smallBlind, bigBlind, ante, buyinMin, buyinMax};
    for (Cents amount : amounts) {
        if (amount == HandEngine::InvalidAmount)
            return QStringLiteral("an amount is not a number");
    }
    if (id.isEmpty())
        return QStringLiteral("it has no id");
    if (smallBlind < 0 || bigBlind < 0 || ante < 0)
        return QStringLiteral("blinds and antes cannot be negative");
    if (bigBlind == 0 && ante == 0)
        return QStringLiteral("it needs a big blind or an ante");
    if ((smallBlind > 0) != (bigBlind > 0))
        return QStringLiteral("it needs both blinds or neither");
    if (smallBlind > bigBlind)
        return QStringLiteral("the small blind is larger than the big blind");
    if (limit != 1 && limit != 2)
        return QStringLiteral("the limit must be 1 (no limit) or 2 (pot limit)");
    if (buyinMin <= 0 || buyinMin > buyinMax)
        return QStringLiteral("the buy-in range must be positive and in order");
    if (isTournament()) {
        if (tourFee < 0 || tourFee == HandEngine::InvalidAmount)
            return QStringLiteral("the fee cannot be negative");
        if (tourStartStack <= 0 || tourStartStack == HandEngine::InvalidAmount)
            return QStringLiteral("the starting stack must be positive");
        // Tournament chips are not money: whole units, so no bet has cents.
        if (smallBlind % 100 != 0 || bigBlind % 100 != 0 || ante % 100 != 0 || tourStartStack % 100 != 0)
            return QStringLiteral("tournament blinds, ante and starting stack are whole chips");
        if (tourLevelSeconds < 1)
            return QStringLiteral("a blind level lasts at least a second");
        int total = 0;
        const QList<int> shares = payoutShares();
        for (int share : shares) {
            if (share < 0)
                return QStringLiteral("a prize share cannot be negative");
            total += share;
        }
        if (total != 100 || shares.size() > seats)
            return QStringLiteral("the prize shares must add up to 100 and fit the seats");
    }
    return QString();
}

QList<TableConfig> TableConfig::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return defaults();
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isArray()) {
        *error = QStringLiteral("%1: not a JSON array of tables (%2)").arg(path, parseError.errorString());
        return defaults();
    }
    QList<TableConfig> tables;
    for (const QJsonValue& value : document.array()) {
        const QJsonObject o = value.toObject();
        TableConfig t;
        t.id = o.value("id").toString();
        t.name = o.value("name").toString(t.id);
        t.type = o.value("type").toInt(t.type);
        t.limit = o.value("limit").toInt(t.limit);
        // A Sit & Go plays whole chips: its own blinds when the file gives none.
        t.smallBlind = HandEngine::fromUnits(o.value("smallBlind").toDouble(t.isSitAndGo() ? 10 : 0.5));
        t.bigBlind = HandEngine::fromUnits(o.value("bigBlind").toDouble(t.isSitAndGo() ? 20 : 1.0));
        t.ante = HandEngine::fromUnits(o.value("ante").toDouble(0));
        t.buyinMin = HandEngine::fromUnits(o.value("buyinMin").toDouble(20));
        t.buyinMax = HandEngine::fromUnits(o.value("buyinMax").toDouble(100));
        t.seats = qBound(2, o.value("seats").toInt(6), 10);
        t.currency = o.value("currency").toString(t.currency);
        t.bots = o.value("bots").toInt(-1);
        t.imageId = qMax(0, o.value("imageId").toInt(0));
        if (t.isSitAndGo()) {
            t.tourFee = HandEngine::fromUnits(o.value("fee").toDouble(0));
            t.tourStartStack = HandEngine::fromUnits(o.value("startStack").toDouble(1500));
            t.tourLevelSeconds = o.value("levelSeconds").toInt(300);
            if (o.contains("payouts")) {
                for (const QJsonValue& share : o.value("payouts").toArray())
                    t.tourPayouts.append(share.toInt(-1));
            }
        }
        const QString fault = t.problem();
        if (!fault.isEmpty()) {
            *error = QStringLiteral("%1: table \"%2\" is not usable: %3").arg(path, t.id, fault);
            return defaults();
        }
        tables.append(t);
    }
    if (tables.isEmpty()) {
        *error = QStringLiteral("%1: no tables").arg(path);
        return defaults();
    }
    return tables;
}

} // namespace Pokerd
