#include "seatlayout.h"

#include "abstractplayeritem.h"
#include "abstracttheme.h"
#include "stackitem.h"

#include <algorithm>

namespace VeskGames {

namespace {

template <typename T> QList<T> rotated(QList<T> list, int k)
{
    if (list.isEmpty() || k <= 0)
        return list;
    k %= int(list.size());
    std::rotate(list.begin(), list.begin() + k, list.end());
    return list;
}

} // namespace

int SeatLayout::turn(int seats, int view, bool instantDeal)
{
    if (seats <= 0)
        return 0;
    // Instant deal: the local player takes the layout's first place.
    if (instantDeal)
        return ((seats - view) % seats + seats) % seats;
    if ((seats == 6 || seats == 8) && view == 0)
        return seats / 2;
    if ((seats == 6 && view == 3) || (seats == 8 && view == 4))
        return 0;
    return view >= seats / 2 ? seats / 2 : 0;
}

int SeatLayout::apply(const QVector<AbstractPlayerItem*>& seats, const QVector<StackItem*>& stacks,
                      AbstractTheme* t, int view, bool instant)
{
    const int n = int(seats.size());
    const QList<QPointF> positions = instant ? t->playerInstaDealPositions(n) : t->playerPositions(n);
    const QList<QPointF> stackPlaces =
        instant ? t->playerInstaDealStackPositions(n) : t->playerStackPositions(n);
    const QList<Qt::Alignment> stackTexts =
        instant ? t->playerInstaDealStackValueTextAlignment(n) : t->playerStackValueTextAlignment(n);
    const QList<QList<int>> layouts = instant ? t->playerInstaDealStackLayout(n) : t->playerStackLayout(n);
    const QList<Qt::Alignment> timers =
        instant ? t->playerInstaDealTimerTextAlignment(n) : t->playerTimerTextAlignment(n);
    const QList<QPointF> dealers =
        instant ? t->dealerButtonInstaDealPositions(n) : t->dealerButtonPositions(n);
    const QList<qreal> rotations = t->playerRotations(n);

    const int k = turn(n, view, instant);

    const auto r = [k](auto list) { return rotated(list, k); };
    const QList<QPointF> p = r(positions);
    const QList<QPointF> s = r(stackPlaces);
    const QList<Qt::Alignment> st = r(stackTexts);
    const QList<QList<int>> l = r(layouts);
    const QList<Qt::Alignment> ti = r(timers);
    const QList<QPointF> dp = r(dealers);
    const QList<qreal> ro = r(rotations);
    for (int i = 0; i < n; ++i) {
        AbstractPlayerItem* seat = seats.at(i);
        const QRectF box = seat->boundingRect();
        QTransform turn;
        turn.translate(box.center().x(), box.center().y());
        turn.rotate(ro.value(i));
        turn.translate(-box.center().x(), -box.center().y());
        seat->setTransform(turn);
        if (i < p.size())
            seat->setPos(p.at(i));
        if (i < ti.size())
            seat->setTimerTextAlignment(ti.at(i));
        if (i < dp.size())
            seat->setDealerButtonPosition(dp.at(i));
        StackItem* stack = stacks.at(i);
        stack->setTransform(QTransform().rotate(ro.value(i)));
        if (i < s.size())
            stack->setPos(s.at(i));
        if (i < st.size())
            stack->setValueTextAlignment(st.at(i));
        if (i < l.size())
            stack->setLayout(l.at(i));
    }
    return k;
}

} // namespace VeskGames
