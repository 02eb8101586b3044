#include "gamelistrows.h"
#include "protocol.h"

#include "localresources.h"
#include "servercommand.h"
#include "textutils.h"

#include <QDateTime>
#include <QIcon>
#include <QLocale>
#include <QStandardItem>

#include <limits>

namespace VeskGames {

namespace {

constexpr double kAnteThreshold = 0.000001;

QStandardItem* cell(const QString& text, const QVariant& sortKey, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(sortKey, GameListRows::SortRole);
    item->setData(int(alignment | Qt::AlignVCenter), Qt::TextAlignmentRole);
    return item;
}

QStandardItem* iconCell(const QString& icon, const QVariantMap& record, int sortKey)
{
    auto* item = cell(QString(), sortKey);
    item->setData(record, GameListRows::RecordRole);
    item->setData(icon, GameListRows::IconRole);
    if (!icon.isEmpty()) {
        const QString path = LocalResources::resourcePath(icon, QMetaType::fromType<QPixmap>());
        if (!path.isEmpty())
            item->setIcon(QIcon(path));
    }
    return item;
}

} // namespace

QStringList GameListRows::columnTitles(ListType type)
{
    if (type == Freerolls)
        return {QString(), tr("Start Date"), tr("Game"), tr("Prize Pool"), tr("Registered")};
    return {QString(), tr("Pool"), tr("Game"), tr("Limit"), tr("Blinds"), tr("Seats"), tr("Players")};
}

int GameListRows::initialSortColumn(ListType type)
{
    return type == Freerolls ? 1 : 6;
}

Qt::SortOrder GameListRows::initialSortOrder(ListType type)
{
    // The busiest tables and the next freeroll first.
    return type == Freerolls ? Qt::AscendingOrder : Qt::DescendingOrder;
}

QString GameListRows::statusIcon(bool registered, int tourStatus)
{
    switch (tourStatus) {
    case 0:
        return registered ? QStringLiteral("/lobby/icon_running.png") : QString();
    case 1:
        return registered ? QStringLiteral("/lobby/icon_registered.png")
                          : QStringLiteral("/lobby/icon_unregistered.png");
    case 2:
        return QStringLiteral("/lobby/icon_running.png");
    case 3:
        return QStringLiteral("/lobby/icon_stopped.png");
    case 4:
        return QStringLiteral("/lobby/icon_full.png");
    default:
        return QString();
    }
}

QString GameListRows::blindsText(const QVariantMap& record)
{
    const QString currency = record.value(QStringLiteral("currency")).toString();
    // Tournament chips are not money: the table writes them as plain numbers too.
    const bool chips =
        record.value(QStringLiteral("type")).toInt() & (Protocol::SitAndGo | Protocol::Freeroll);
    const auto amount = [&](double value) {
        return chips ? TextUtils::doubleToString(value) : TextUtils::doubleToCurrencyString(value, currency);
    };
    const double ante = record.value(QStringLiteral("ante")).toDouble();
    if (ante > kAnteThreshold)
        return amount(ante);
    const double small = record.value(QStringLiteral("stakeMin")).toDouble();
    const double big = record.value(QStringLiteral("stakeMax")).toDouble();
    if (small > 0 && big > 0)
        return QStringLiteral("%1/%2").arg(amount(small), amount(big));
    return QString();
}

QString GameListRows::buyinText(const QVariantMap& record)
{
    const QString currency = record.value(QStringLiteral("currency")).toString();
    const auto money = [&](double value) { return TextUtils::doubleToCurrencyString(value, currency); };
    const double low = qMax(0.0, record.value(QStringLiteral("buyinMin")).toDouble());
    const double high = qMax(0.0, record.value(QStringLiteral("buyinMax")).toDouble());
    if (record.value(QStringLiteral("type")).toInt() & Protocol::SitAndGo) {
        const double fee = record.value(QStringLiteral("tourBuyinFee")).toDouble();
        return fee > kAnteThreshold ? tr("%1 + %2").arg(money(low), money(fee)) : money(low);
    }
    if (low <= 0 && high <= 0)
        return QString();
    if (qAbs(high - low) < kAnteThreshold)
        return money(low);
    return tr("%1 - %2").arg(money(low), money(high));
}

QDateTime GameListRows::startTime(const QVariantMap& record)
{
    const QVariant start = record.value(QStringLiteral("tourStart"));
    switch (start.metaType().id()) {
    case QMetaType::QDateTime:
        return start.toDateTime();
    case QMetaType::QString:
        return QDateTime::fromString(start.toString(), Qt::ISODate);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return QDateTime::fromSecsSinceEpoch(start.toLongLong());
    default:
        return QDateTime();
    }
}

QList<QStandardItem*> GameListRows::cashGameRow(const QVariantMap& record)
{
    const bool playing = record.value(QStringLiteral("isPlaying")).toBool();
    const int type = record.value(QStringLiteral("type")).toInt();
    const int limit = record.value(QStringLiteral("limit")).toInt();
    const double ante = record.value(QStringLiteral("ante")).toDouble();
    // Tables sort by their stakes, an ante table by its ante.
    const double stakes = ante > kAnteThreshold ? ante : record.value(QStringLiteral("stakeMax")).toDouble();
    const int seats = record.value(QStringLiteral("seats")).toInt();
    const int players = record.value(QStringLiteral("players")).toInt();
    return {iconCell(statusIcon(playing, 0), record, playing ? 1 : 0),
            cell(record.value(QStringLiteral("name")).toString(),
                 record.value(QStringLiteral("name")).toString().toLower()),
            cell(TextUtils::gameTypeToSmallString(type), TextUtils::gameTypeToSmallString(type)),
            cell(TextUtils::limitTypeToString(limit), limit),
            cell(blindsText(record), stakes, Qt::AlignRight),
            cell(QString::number(seats), seats, Qt::AlignRight),
            cell(QString::number(players), players, Qt::AlignRight)};
}

QList<QStandardItem*> GameListRows::freerollRow(const QVariantMap& record)
{
    const bool registered = record.value(QStringLiteral("isPlaying")).toBool();
    const int status = record.value(QStringLiteral("tourStatus")).toInt();
    const int type = record.value(QStringLiteral("type")).toInt();
    const QDateTime start = startTime(record);
    const double pool = record.value(QStringLiteral("tourPayoutSum")).toDouble();
    const int players = record.value(QStringLiteral("players")).toInt();
    // Month names in the user's language, as the rest of the lobby.
    const QString startText =
        start.isValid() ? QLocale().toString(start.toLocalTime(), QStringLiteral("MMM dd HH:mm")) : QString();
    return {iconCell(statusIcon(registered, status), record, status * 2 + (registered ? 1 : 0)),
            cell(startText, start.isValid() ? start.toSecsSinceEpoch() : std::numeric_limits<qint64>::max()),
            cell(TextUtils::gameTypeToSmallString(type), TextUtils::gameTypeToSmallString(type)),
            cell(TextUtils::doubleToCurrencyString(pool, record.value(QStringLiteral("currency")).toString()),
                 pool, Qt::AlignRight),
            cell(QString::number(players), players, Qt::AlignRight)};
}

QList<QVariantMap> GameListRows::records(Command* command, bool* ok)
{
    auto* server = qobject_cast<ServerCommand*>(command);
    *ok = server && !server->hasError();
    QList<QVariantMap> list;
    if (!*ok)
        return list;
    for (const QVariant& entry : server->result().toList()) {
        if (entry.metaType().id() == QMetaType::QVariantMap)
            list.append(entry.toMap());
    }
    return list;
}

} // namespace VeskGames
