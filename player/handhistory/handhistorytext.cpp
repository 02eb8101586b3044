#include "handhistorytext.h"
#include "protocol.h"

#include "card.h"
#include "evalhand.h"
#include "textutils.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QObject>

namespace VeskGames {

namespace {

QString rank(int value, bool plural)
{
    static const char* const singular[] = {
        QT_TRANSLATE_NOOP("QObject", "ace"),   QT_TRANSLATE_NOOP("QObject", "two"),
        QT_TRANSLATE_NOOP("QObject", "three"), QT_TRANSLATE_NOOP("QObject", "four"),
        QT_TRANSLATE_NOOP("QObject", "five"),  QT_TRANSLATE_NOOP("QObject", "six"),
        QT_TRANSLATE_NOOP("QObject", "seven"), QT_TRANSLATE_NOOP("QObject", "eight"),
        QT_TRANSLATE_NOOP("QObject", "nine"),  QT_TRANSLATE_NOOP("QObject", "ten"),
        QT_TRANSLATE_NOOP("QObject", "jack"),  QT_TRANSLATE_NOOP("QObject", "queen"),
        QT_TRANSLATE_NOOP("QObject", "king")};
    static const char* const many[] = {
        QT_TRANSLATE_NOOP("QObject", "aces"),   QT_TRANSLATE_NOOP("QObject", "twos"),
        QT_TRANSLATE_NOOP("QObject", "threes"), QT_TRANSLATE_NOOP("QObject", "fours"),
        QT_TRANSLATE_NOOP("QObject", "fives"),  QT_TRANSLATE_NOOP("QObject", "sixes"),
        QT_TRANSLATE_NOOP("QObject", "sevens"), QT_TRANSLATE_NOOP("QObject", "eights"),
        QT_TRANSLATE_NOOP("QObject", "nines"),  QT_TRANSLATE_NOOP("QObject", "tens"),
        QT_TRANSLATE_NOOP("QObject", "jacks"),  QT_TRANSLATE_NOOP("QObject", "queens"),
        QT_TRANSLATE_NOOP("QObject", "kings")};
    if (value < 0 || value > 12)
        return QObject::tr("unknown");
    return QObject::tr(plural ? many[value] : singular[value]);
}

bool present(const QVariantList& values, int count)
{
    if (values.size() < count)
        return false;
    for (int i = 0; i < count; ++i) {
        if (!values.at(i).isValid() || values.at(i).isNull())
            return false;
    }
    return true;
}

double number(const QVariant& value)
{
    return value.toString().toDouble();
}

} // namespace

QString HandHistoryText::amount(const QVariant& value, int gameType, const QString& currency)
{
    const double v = number(value);
    if ((gameType & Protocol::InstantDeal) && !(gameType & Protocol::Freeroll))
        return TextUtils::doubleToCurrencyString(v, currency);
    return TextUtils::doubleToString(v);
}

QString HandHistoryText::handName(const QByteArray& board, const QByteArray& hole, int minimumHole,
                                  int maximumHole)
{
    EvalHand eval;
    int value = 0;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray kickers;
    QByteArray best;
    if (!eval.Evaluate(board, hole, minimumHole, maximumHole, value, type, kickers, &best) || best.size() < 5)
        return QString();
    const auto valueOf = [&best](int i) { return int(Card::fromEncodedChar(best.at(i)).value()); };
    switch (type) {
    case EvalHand::HighCard:
        return QObject::tr("high card, %1").arg(rank(valueOf(0), false));
    case EvalHand::OnePair:
        return QObject::tr("one pair, %1").arg(rank(valueOf(0), true));
    case EvalHand::TwoPairs:
        return QObject::tr("two pairs, %1 over %2").arg(rank(valueOf(0), true), rank(valueOf(2), true));
    case EvalHand::ThreeOfAKind:
        return QObject::tr("three of a kind, %1").arg(rank(valueOf(0), true));
    case EvalHand::Straight:
        return QObject::tr("a straight, %1 high").arg(rank(valueOf(0), false));
    case EvalHand::Flush:
        return QObject::tr("a flush, %1 high").arg(rank(valueOf(0), false));
    case EvalHand::FullHouse:
        return QObject::tr("a full house, %1 full of %2").arg(rank(valueOf(0), true), rank(valueOf(4), true));
    case EvalHand::FourOfAKind:
        return QObject::tr("four of a kind, %1").arg(rank(valueOf(0), true));
    case EvalHand::StraightFlush:
        return QObject::tr("a straight flush, %1 high").arg(rank(valueOf(0), false));
    case EvalHand::RoyalFlush:
        return QObject::tr("a royal straight flush");
    }
    return QString();
}

QString HandHistoryText::line(const QString& key, const QVariantList& v)
{
    const auto text = [&v](int i) { return v.value(i).toString(); };
    const auto money = [&v](int i, int typeAt, int currencyAt) {
        return amount(v.value(i), v.value(typeAt).toInt(), v.value(currencyAt).toString());
    };
    if (key == QLatin1String("handId")) {
        if (!present(v, 7))
            return QString();
        const double small = number(v.at(1));
        const double big = number(v.at(2));
        const double ante = number(v.at(3));
        const QString game = TextUtils::gameTypeToString(v.at(5).toInt());
        const QString limit = TextUtils::limitTypeToString(v.at(6).toInt());
        if (small > 0 && big > 0 && ante > 0)
            return QObject::tr("VeskPoker Game #%1, %2/%3, ante: %4, %5 %6")
                .arg(text(0), money(1, 5, 4), money(2, 5, 4), money(3, 5, 4), game, limit);
        if (small > 0 && big > 0)
            return QObject::tr("VeskPoker Game #%1, %2/%3, %4 %5")
                .arg(text(0), money(1, 5, 4), money(2, 5, 4), game, limit);
        if (ante > 0)
            return QObject::tr("VeskPoker Game #%1, ante: %2, %3 %4")
                .arg(text(0), money(3, 5, 4), game, limit);
        return QString();
    }
    if (key == QLatin1String("startTime")) {
        if (!present(v, 1))
            return QString();
        const QDateTime time = QDateTime::fromSecsSinceEpoch(qint64(number(v.at(0))), Qt::UTC).toLocalTime();
        return QLocale().toString(time, QStringLiteral("yyyy-MMM-dd HH:mm:ss"));
    }
    if (key == QLatin1String("setDealerTable"))
        return present(v, 2) ? QObject::tr("Table %1-max Seat #%2 is the dealer").arg(text(0), text(1))
                             : QString();
    if (key == QLatin1String("setDealerSeat"))
        return present(v, 5) ? QObject::tr("Seat %1: %2 (%3 in chips)").arg(text(0), text(1), money(3, 4, 2))
                             : QString();
    if (key == QLatin1String("postAnte") || key == QLatin1String("postSmall") ||
        key == QLatin1String("postBig")) {
        if (!present(v, 4))
            return QString();
        const QString form = key == QLatin1String("postAnte")    ? QObject::tr("%1: posts ante %2")
                             : key == QLatin1String("postSmall") ? QObject::tr("%1: posts small blind %2")
                                                                 : QObject::tr("%1: posts big blind %2");
        return form.arg(text(0), money(1, 2, 3));
    }
    if (key == QLatin1String("handStatus")) {
        if (!present(v, 1))
            return QString();
        switch (v.at(0).toInt()) {
        case Protocol::HandHoleCards:
            return QObject::tr("*** HOLE CARDS ***");
        case Protocol::HandShowdown:
            return QObject::tr("*** SHOW DOWN ***");
        case Protocol::HandOver:
            return QObject::tr("*** SUMMARY ***");
        default:
            return QString();
        }
    }
    if (key == QLatin1String("handStatusTotalPot")) {
        if (!present(v, 5))
            return QString();
        const int type = v.at(2).toInt();
        const QString pot = money(0, 2, 3);
        const QString rake = money(1, 2, 3);
        if ((type & Protocol::ServiceFee) || (type & Protocol::Freeroll)) {
            QString out = QObject::tr("Total pot %1").arg(pot);
            if (v.at(4).toBool() && !(type & Protocol::Freeroll))
                out += QStringLiteral(" | ") + QObject::tr("Fee %1").arg(rake);
            return out;
        }
        return QObject::tr("Total pot %1 | Rake %2").arg(pot, rake);
    }
    if (key == QLatin1String("handStatusBoard"))
        return present(v, 1) && !text(0).isEmpty() ? QObject::tr("Board  [%1]").arg(text(0)) : QString();
    if (key == QLatin1String("gameRequest"))
        return present(v, 2) ? QObject::tr("Dealt to %1 [%2]").arg(text(0), text(1)) : QString();
    if (key == QLatin1String("dealCommunity")) {
        if (!present(v, 3))
            return QString();
        switch (v.at(0).toInt()) {
        case 0:
            return QObject::tr("*** FLOP *** [%1]").arg(text(2));
        case 1:
            return QObject::tr("*** TURN *** [%1] [%2]").arg(text(1), text(2));
        case 2:
            return QObject::tr("*** RIVER *** [%1] [%2]").arg(text(1), text(2));
        default:
            return QString();
        }
    }
    if (key == QLatin1String("actionShow"))
        return present(v, 2) ? QObject::tr("%1: shows [%2]").arg(text(0), text(1)) : QString();
    if (key == QLatin1String("actionAllInBets"))
        return present(v, 4) ? QObject::tr("%1: bets %2 and is all-in").arg(text(0), money(1, 2, 3))
                             : QString();
    if (key == QLatin1String("actionAllInRaises"))
        return present(v, 5) ? QObject::tr("%1: raises %2 to %3 and is all-in")
                                   .arg(text(0), money(1, 3, 4), money(2, 3, 4))
                             : QString();
    if (key == QLatin1String("actionAllInCalls"))
        return present(v, 4) ? QObject::tr("%1: calls %2 and is all-in").arg(text(0), money(1, 2, 3))
                             : QString();
    if (key == QLatin1String("actionCall"))
        return present(v, 4) ? QObject::tr("%1: calls %2").arg(text(0), money(1, 2, 3)) : QString();
    if (key == QLatin1String("actionCheck"))
        return present(v, 1) ? QObject::tr("%1: checks").arg(text(0)) : QString();
    if (key == QLatin1String("actionBet"))
        return present(v, 4) ? QObject::tr("%1: bets %2").arg(text(0), money(1, 2, 3)) : QString();
    if (key == QLatin1String("actionRaise"))
        return present(v, 5) ? QObject::tr("%1: raises %2 to %3").arg(text(0), money(1, 3, 4), money(2, 3, 4))
                             : QString();
    if (key == QLatin1String("actionFold"))
        return present(v, 1) ? QObject::tr("%1: folds").arg(text(0)) : QString();
    if (key == QLatin1String("potReturnUncalled"))
        return present(v, 4) ? QObject::tr("Uncalled bet (%1) returned to %2").arg(money(0, 2, 3), text(1))
                             : QString();
    if (key == QLatin1String("potGive")) {
        if (!present(v, 2) || v.size() < 8)
            return QString();
        // Missing cards are no cards.
        const QByteArray board = QByteArray::fromHex(text(2).toLatin1());
        const QByteArray hole = QByteArray::fromHex(text(3).toLatin1());
        const QString name = handName(board, hole, v.value(4).toInt(), v.value(5).toInt());
        const QString won = money(1, 6, 7);
        return name.isEmpty() ? QObject::tr("%1 wins %2").arg(text(0), won)
                              : QObject::tr("%1 wins %2 with %3").arg(text(0), won, name);
    }
    if (key == QLatin1String("actionMuck"))
        return present(v, 1) ? QObject::tr("%1: mucks").arg(text(0)) : QString();
    if (key == QLatin1String("tourBusted")) {
        if (!present(v, 3))
            return QString();
        const QString place = TextUtils::placeToString(v.at(1).toInt() - 1);
        return number(v.at(2)) > 0 ? QObject::tr("%1: finished %2 and won %3")
                                         .arg(text(0), place, amount(v.at(2), v.value(3).toInt(), text(4)))
                                   : QObject::tr("%1: finished %2").arg(text(0), place);
    }
    return QString();
}

} // namespace VeskGames
