#include "tablestatefeed.h"

#include "abstractplayeritem.h"
#include "card.h"
#include "carditem.h"
#include "gamescene.h"
#include "playeritembase.h"
#include "pot.h"
#include "stackitem.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace VeskGames {

namespace {

constexpr double kEmpty = 0.000001;

// Amounts as the table writes them: to the cent, without float noise.
double money(double amount)
{
    return std::round(amount * 100) / 100;
}

QJsonArray cardsOf(const QVector<CardItem*>& cards)
{
    QJsonArray texts;
    for (const CardItem* card : cards)
        texts.append(TableStateFeed::cardText(card->card()));
    return texts;
}

} // namespace

QString TableStateFeed::pathFromEnvironment()
{
    return qEnvironmentVariable("VESK_TABLE_STATE");
}

QString TableStateFeed::cardText(const Card& card)
{
    if (card.suit() == Card::Back || !card.isValid())
        return QStringLiteral("??");
    return QString(Card::valueToChar(card.value())) + Card::suitToChar(card.suit());
}

QJsonObject TableStateFeed::snapshot(const GameScene& scene, int batch, const QVariant& handId)
{
    QJsonArray seats;
    for (int i = 0; i < scene.playerCount(); ++i) {
        const AbstractPlayerItem* seat = scene.seat(i);
        if (!seat || const_cast<AbstractPlayerItem*>(seat)->available())
            continue;
        auto* item = const_cast<AbstractPlayerItem*>(seat);
        const auto* base = qobject_cast<const PlayerItemBase*>(seat);
        const StackItem* bet = scene.betStack(i);
        seats.append(
            QJsonObject{{QStringLiteral("seat"), i},
                        {QStringLiteral("name"), item->playerName()},
                        {QStringLiteral("stack"), money(item->playerStack())},
                        {QStringLiteral("bet"), money(bet ? bet->value() : 0.0)},
                        {QStringLiteral("cards"), cardsOf(item->cards())},
                        {QStringLiteral("folded"),
                         scene.isFolded(i) || (base && base->action() == AbstractPlayerItem::ActionFold) ||
                             (!item->cards().isEmpty() && item->cards().first()->isFoldedCard())},
                        {QStringLiteral("sittingOut"),
                         base && base->playerStatus() == AbstractPlayerItem::StatusSittingOut}});
    }
    QJsonArray pots;
    // The chips still in the middle: a pot paid out is empty.
    const double main = scene.mainPot()->chipValue();
    const double side = scene.sidePot()->chipValue();
    if (main > kEmpty || side > kEmpty)
        pots.append(money(main));
    if (side > kEmpty)
        pots.append(money(side));
    return QJsonObject{
        {QStringLiteral("batch"), batch},
        {QStringLiteral("handId"), handId.isValid() ? QJsonValue::fromVariant(handId) : QJsonValue()},
        {QStringLiteral("dealer"), scene.dealerPosition()},
        {QStringLiteral("board"), cardsOf(scene.communityCards())},
        {QStringLiteral("pots"), pots},
        {QStringLiteral("seats"), seats}};
}

bool TableStateFeed::append(const QString& path, const QJsonObject& state)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = QJsonDocument(state).toJson(QJsonDocument::Compact) + '\n';
    return file.write(line) == line.size();
}

} // namespace VeskGames
