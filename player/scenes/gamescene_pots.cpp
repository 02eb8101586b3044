// The money on the table: bets swept into the pots, uncalled bets going
// back, winners paid, the rake taken.
#include "gamescene.h"
#include "protocol.h"

#include "abstractplayeritem.h"
#include "abstracttheme.h"
#include "chippile.h"
#include "gamescene_p.h"
#include "parallelcommand.h"
#include "pot.h"
#include "stackitem.h"

#include <utility>

namespace VeskGames {

using namespace GameSceneDetail;

namespace {

/// What is left of \a have once \a take is gone, never below nothing. In
/// cents: in doubles 0.21 - 0.01 - 0.20 is a hair below zero.
double less(double have, double take)
{
    return qMax<qint64>(0, ChipPile::toCents(have) - ChipPile::toCents(take)) / 100.0;
}

} // namespace

void GameScene::clearPots()
{
    for (Pot* pot : {d->mainPot, d->sidePot}) {
        pot->setValue(0, true);
        pot->hide();
    }
    d->mainRake = 0;
    d->sideRakeTotal = 0;
    keepPotsApart();
}

void GameScene::keepPotsApart()
{
    AbstractTheme* t = theme();
    if (!t)
        return;
    // The side pot's chips stand left of its place: a long main pot amount
    // would run under them, so the side pot steps right as far as it needs.
    const qreal home = t->itemPosition(AbstractTheme::PositionSidePot).x();
    const qreal chips = qMax<qreal>(0, -d->sidePot->boundingRect().left());
    const qreal mainRight = d->mainPot->x() + d->mainPot->boundingRect().right();
    d->sidePot->setX(d->mainPot->isVisible() ? qMax(home, mainRight + kPotGap + chips) : home);
}

Command* GameScene::bettingDone(const QList<double>& pots, const QList<double>& rakes, int msec)
{
    d->mainRake = rakes.value(0);
    d->sideRakeTotal = 0;
    for (int i = 1; i < rakes.size(); ++i)
        d->sideRakeTotal += rakes.at(i);
    double sideTotal = 0;
    for (int i = 1; i < pots.size(); ++i)
        sideTotal += pots.at(i);
    if (pots.size() >= 3)
        d->sidePot->setTitle(tr("Side pots:"));
    else if (pots.size() == 2)
        d->sidePot->setTitle(tr("Side pot:"));
    const int potCount = int(pots.size());

    if (msec > 0 && d->showChips) {
        Pot* target = d->sidePot->chipValue() > kEmpty ? d->sidePot : d->mainPot;
        auto* all = new ParallelCommand(true);
        all->setProperty("pots", potCount);
        for (StackItem* bet : std::as_const(d->betStacks)) {
            if (bet->value() <= kEmpty)
                continue;
            StackItem* chips = flyingStack(bet->value());
            auto* fly = new GraphicsItemAnimationCommand(chips, true);
            flight(fly, bet->pos(), target->pos(), msec, QEasingCurve::OutCubic);
            all->addCommand(fly);
            bet->setValue(0);
        }
        // The pots show their old chips while the bets fly.
        d->mainPot->setValue(pots.value(0), false);
        d->sidePot->setValue(sideTotal, false);
        connect(all, &Command::done, this, &GameScene::slotBettingDoneDone);
        return all;
    }
    for (StackItem* bet : std::as_const(d->betStacks))
        bet->setValue(0);
    for (AbstractPlayerItem* seat : std::as_const(d->seats))
        seat->setAction(AbstractPlayerItem::ActionNone, 0);
    d->mainPot->setValue(pots.value(0), true);
    d->mainPot->show();
    if (sideTotal > kEmpty) {
        d->sidePot->setValue(sideTotal, true);
        d->sidePot->show();
    }
    keepPotsApart();
    setPotsShown(potCount > 1 ? 2 : 1);
    return nullptr;
}

void GameScene::slotBettingDoneDone(Command* command)
{
    for (AbstractPlayerItem* seat : std::as_const(d->seats))
        seat->setAction(AbstractPlayerItem::ActionNone, 0);
    if (d->handStatus == Protocol::HandShowdown)
        return;
    showPotsAfterBetting(command ? command->property("pots").toInt() : 1);
}

void GameScene::showPotsAfterBetting(int potCount)
{
    d->mainPot->update();
    d->mainPot->show();
    if (d->sidePot->value() > kEmpty) {
        d->sidePot->update();
        d->sidePot->show();
    }
    keepPotsApart();
    setPotsShown(potCount > 1 ? 2 : 1);
}

Command* GameScene::potReturnUncalled(int position, double value, int msec)
{
    if (position < 0 || position >= d->seats.size())
        return nullptr;
    AbstractPlayerItem* seat = d->seats.at(position);
    StackItem* bet = d->betStacks.at(position);
    if (msec > 0 && d->showChips) {
        StackItem* chips = flyingStack(value);
        const QRectF box = chips->boundingRect();
        const QPointF centre =
            seat->boundingRect().center() - QPointF(box.width(), box.height()) / 2 + seat->pos();
        auto* fly = new GraphicsItemAnimationCommand(chips, true);
        flight(fly, bet->pos(), centre, msec, QEasingCurve::OutCubic);
        fly->setProperty("value", value);
        fly->setProperty("position", position);
        connect(fly, &Command::start, this, &GameScene::slotPotReturnUncalledStart);
        connect(fly, &Command::done, this, &GameScene::slotPotReturnUncalledDone);
        return fly;
    }
    seat->setPlayerStack(seat->playerStack() + value);
    bet->setValue(qMax(0.0, bet->value() - value));
    return nullptr;
}

void GameScene::slotPotReturnUncalledStart(Command* command)
{
    const int position = command->property("position").toInt();
    if (position < 0 || position >= d->betStacks.size())
        return;
    StackItem* bet = d->betStacks.at(position);
    bet->setValue(qMax(0.0, bet->value() - command->property("value").toDouble()));
    command->setProperty("started", true);
}

void GameScene::slotPotReturnUncalledDone(Command* command)
{
    // Cut short before it began: the bet still has to give the chips up.
    if (!command->property("started").toBool())
        slotPotReturnUncalledStart(command);
    const int position = command->property("position").toInt();
    if (position < 0 || position >= d->seats.size())
        return;
    AbstractPlayerItem* seat = d->seats.at(position);
    seat->setPlayerStack(seat->playerStack() + command->property("value").toDouble());
}

Command* GameScene::potGive(const QList<int>& positions, const QList<double>& amounts, int msec)
{
    if (msec > 0 && d->showChips) {
        const bool side = d->sidePot->chipValue() > kEmpty;
        Pot* source = side ? d->sidePot : d->mainPot;
        double& rake = side ? d->sideRakeTotal : d->mainRake;
        source->setChipValue(less(source->chipValue(), std::exchange(rake, 0.0)), false);
        auto* all = new ParallelCommand(true);
        double paid = 0;
        for (int i = 0; i < positions.size() && i < amounts.size(); ++i) {
            const int position = positions.at(i);
            if (position < 0 || position >= d->seats.size())
                continue;
            AbstractPlayerItem* seat = d->seats.at(position);
            StackItem* chips = flyingStack(amounts.at(i));
            const QRectF box = chips->boundingRect();
            const QPointF centre =
                seat->boundingRect().center() - QPointF(box.width(), box.height()) / 2 + seat->pos();
            auto* fly = new GraphicsItemAnimationCommand(chips, true);
            flight(fly, source->pos(), centre, msec, QEasingCurve::OutCubic);
            fly->setProperty("value", amounts.at(i));
            fly->setProperty("position", position);
            all->addCommand(fly);
            paid += amounts.at(i);
        }
        source->setChipValue(less(source->chipValue(), paid), true);
        connect(all, &Command::start, this, &GameScene::slotPotGiveStart);
        connect(all, &Command::done, this, &GameScene::slotPotGiveDone);
        all->setProperty("positions", QVariant::fromValue(positions));
        all->setProperty("amounts", QVariant::fromValue(amounts));
        return all;
    }
    // At once the pot gives up the chips as well, rake first, as a flight would.
    Pot* source = d->sidePot->chipValue() > kEmpty ? d->sidePot : d->mainPot;
    double& rake = source == d->sidePot ? d->sideRakeTotal : d->mainRake;
    double paid = 0;
    for (int i = 0; i < positions.size() && i < amounts.size(); ++i)
        paid += amounts.at(i);
    source->setChipValue(less(less(source->chipValue(), std::exchange(rake, 0.0)), paid), true);
    payOut(positions, amounts);
    return nullptr;
}

void GameScene::payOut(const QList<int>& positions, const QList<double>& amounts)
{
    for (int i = 0; i < positions.size() && i < amounts.size(); ++i) {
        const int position = positions.at(i);
        if (position < 0 || position >= d->seats.size())
            continue;
        AbstractPlayerItem* seat = d->seats.at(position);
        seat->setPlayerStack(seat->playerStack() + amounts.at(i));
    }
}

void GameScene::slotPotGiveStart(Command*)
{
    setPotsShown(d->sidePot->chipValue() > kEmpty ? 2 : 1);
}

void GameScene::slotPotGiveDone(Command* command)
{
    const QList<int> positions = command->property("positions").value<QList<int>>();
    const QList<double> amounts = command->property("amounts").value<QList<double>>();
    payOut(positions, amounts);
}

void GameScene::setHandStatus(int status)
{
    d->handStatus = status;
    if (status == Protocol::HandRake) {
        d->mainPot->setValue(d->mainPot->value() - d->mainRake, true);
        d->mainPot->show();
        const double side = d->sidePot->value() - d->sideRakeTotal;
        if (side > kEmpty)
            d->sidePot->setValue(side, true);
        keepPotsApart();
    }
}

} // namespace VeskGames
