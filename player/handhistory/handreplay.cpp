#include "handreplay.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QMap>
#include <QObject>
#include <QRegularExpression>

namespace VeskGames {

namespace {

const QString kEvent = QStringLiteral("event");
const QString kGameEvent = QStringLiteral("gameEvent");
const QString kDealHole = QStringLiteral("dealHole");
const QString kPosition = QStringLiteral("position");
const QString kTimestamp = QStringLiteral("timestamp");

/// The members that hold cards: two hexadecimal digits per card in a record, bytes on the wire.
const char* const kCardMembers[] = {"dealHole", "dealHolePublic", "dealCommunity", "actionShow"};

/// The record's event texts, cut where each object closes; braces inside strings do not count.
bool splitObjects(const QString& record, QStringList* objects, QString* error)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    qsizetype start = -1;
    for (qsizetype i = 0; i < record.size(); ++i) {
        const QChar c = record.at(i);
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == QLatin1Char('\\'))
                escaped = true;
            else if (c == QLatin1Char('"'))
                inString = false;
            continue;
        }
        if (c == QLatin1Char('"')) {
            inString = true;
        } else if (c == QLatin1Char('{')) {
            if (depth++ == 0)
                start = i;
        } else if (c == QLatin1Char('}')) {
            if (--depth < 0)
                break;
            if (depth == 0)
                objects->append(record.mid(start, i - start + 1));
        } else if (depth == 0 && !c.isSpace()) {
            *error = QObject::tr("unexpected text at character %1").arg(i + 1);
            return false;
        }
    }
    if (depth != 0 || inString) {
        *error = QObject::tr("the record ends inside an event");
        return false;
    }
    return true;
}

bool cardsFromHex(QVariantMap* event, QString* error)
{
    static const QRegularExpression hexPairs(QStringLiteral("^(?:[0-9a-fA-F]{2})*$"));
    for (const char* member : kCardMembers) {
        const QString key = QLatin1String(member);
        if (!event->contains(key))
            continue;
        const QString text = event->value(key).toString();
        if (!hexPairs.match(text).hasMatch()) {
            *error = QObject::tr("cards \"%1\" are not two hexadecimal digits each").arg(text);
            return false;
        }
        event->insert(key, QByteArray::fromHex(text.toLatin1()));
    }
    return true;
}

} // namespace

class HandReplay::Private
{
public:
    QList<QVariantMap> setup;
    QList<QVariantMap> steps;
    QString localPlayer;
    qint64 handId = 0;
};

HandReplay::HandReplay() : d(std::make_unique<Private>()) {}

HandReplay::HandReplay(const HandReplay& other) : d(std::make_unique<Private>(*other.d)) {}

HandReplay& HandReplay::operator=(const HandReplay& other)
{
    *d = *other.d;
    return *this;
}

HandReplay::~HandReplay() = default;

HandReplay HandReplay::fromRecord(const QString& record, QString* error)
{
    QString problem;
    QStringList texts;
    HandReplay replay;
    Private* p = replay.d.get();
    const auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return HandReplay();
    };
    if (!splitObjects(record, &texts, &problem))
        return fail(problem);
    QMap<int, QString> names;
    int ownSeat = -1;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QJsonParseError parsed;
        const QJsonDocument document = QJsonDocument::fromJson(texts.at(i).toUtf8(), &parsed);
        if (parsed.error != QJsonParseError::NoError || !document.isObject())
            return fail(QObject::tr("event %1: %2").arg(i + 1).arg(parsed.errorString()));
        QVariantMap event = document.object().toVariantMap();
        const QString kind = event.value(kEvent).toString();
        if (kind == QLatin1String("gameParameters")) {
            if (!p->setup.isEmpty() || !p->steps.isEmpty())
                return fail(QObject::tr("event %1: a second set of game parameters").arg(i + 1));
            p->setup.append(event);
            continue;
        }
        if (p->setup.isEmpty())
            return fail(QObject::tr("the record does not begin with the game's parameters"));
        // The viewer's mark for where the hole cards are printed: nothing happens at the table.
        if (kind == QLatin1String("gameRequest"))
            continue;
        if (!kind.isEmpty() && kind != kGameEvent)
            return fail(QObject::tr("event %1: \"%2\" does not belong in a hand").arg(i + 1).arg(kind));
        event.insert(kEvent, kGameEvent);
        if (!cardsFromHex(&event, &problem))
            return fail(QObject::tr("event %1: %2").arg(i + 1).arg(problem));
        const int seat = event.value(kPosition).toInt();
        if (event.contains(QStringLiteral("userName")) && p->steps.isEmpty()) {
            // The seats as the hand began; the record leaves out who is playing.
            if (!event.contains(QStringLiteral("userStatus")))
                event.insert(QStringLiteral("userStatus"), 1);
            names.insert(seat, event.value(QStringLiteral("userName")).toString());
            p->setup.append(event);
            continue;
        }
        if (event.contains(kDealHole)) {
            const QByteArray cards = event.value(kDealHole).toByteArray();
            if (cards.count('\0') != cards.size())
                ownSeat = seat;
            // A record deals one card per event; the table deals a seat's cards together.
            if (!p->steps.isEmpty()) {
                QVariantMap& last = p->steps.last();
                if (last.contains(kDealHole) && last.value(kPosition).toInt() == seat) {
                    last.insert(kDealHole, last.value(kDealHole).toByteArray() + cards);
                    continue;
                }
            }
        }
        if (event.contains(QStringLiteral("handId")))
            p->handId = event.value(QStringLiteral("handId")).toLongLong();
        p->steps.append(event);
    }
    if (p->setup.isEmpty())
        return fail(QObject::tr("the record holds no events"));
    p->localPlayer = names.value(ownSeat);
    return replay;
}

bool HandReplay::isValid() const
{
    return !d->setup.isEmpty();
}

QList<QVariantMap> HandReplay::setup() const
{
    return d->setup;
}

QList<QVariantMap> HandReplay::steps() const
{
    return d->steps;
}

int HandReplay::stepCount() const
{
    return int(d->steps.size());
}

QString HandReplay::localPlayer() const
{
    return d->localPlayer;
}

qint64 HandReplay::handId() const
{
    return d->handId;
}

int HandReplay::pauseBefore(int step) const
{
    if (step <= 0 || step >= d->steps.size())
        return MinimumPauseMs;
    const qint64 then = d->steps.at(step - 1).value(kTimestamp).toLongLong();
    const qint64 now = d->steps.at(step).value(kTimestamp).toLongLong();
    // Timestamps are whole seconds: events of the same second get the shortest rest.
    return int(qBound(qint64(MinimumPauseMs), (now - then) * 1000, qint64(MaximumPauseMs)));
}

} // namespace VeskGames
