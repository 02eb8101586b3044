#include "bot.h"

#include "evalhand.h"

namespace Pokerd {

namespace {
int rankOf(char card)
{
    // Encoded cards: 4 * value + suit - 1, value 0 is the ace.
    const int value = (static_cast<unsigned char>(card) - 1) / 4;
    return value == 0 ? 14 : value + 1;
}

int suitOf(char card)
{
    return (static_cast<unsigned char>(card) - 1) % 4;
}
} // namespace

Bot::Bot(quint32 seed) : m_random(seed) {}

double Bot::strength(const QByteArray& hole, const QByteArray& board, bool omaha)
{
    if (board.size() < 3) {
        // Before the flop: pairs and high, suited, connected cards.
        double best = 0;
        for (int i = 0; i < hole.size(); ++i) {
            for (int j = i + 1; j < hole.size(); ++j) {
                const int a = rankOf(hole.at(i));
                const int b = rankOf(hole.at(j));
                double score = (qMax(a, b) + qMin(a, b) * 0.5) / 21.0;
                if (a == b)
                    score = 0.5 + a / 28.0;
                if (suitOf(hole.at(i)) == suitOf(hole.at(j)))
                    score += 0.05;
                if (qAbs(a - b) == 1)
                    score += 0.03;
                best = qMax(best, score);
            }
        }
        return qMin(best * (omaha ? 0.85 : 1.0), 1.0);
    }
    VeskGames::EvalHand eval;
    int value = 0;
    VeskGames::EvalHand::handType type = VeskGames::EvalHand::HighCard;
    QByteArray kickers;
    if (!eval.Evaluate(board, hole, omaha ? 2 : 0, 2, value, type, kickers))
        return 0;
    // Categories 0..9; the kicker bytes break ties within them a little.
    return qMin(1.0, (int(type) + ((value >> 16) & 0xF) / 15.0) / 9.0);
}

Bot::Decision Bot::decide(const HandEngine::Options& options, const QByteArray& hole, const QByteArray& board,
                          bool omaha)
{
    std::uniform_real_distribution<double> noise(-0.12, 0.12);
    const double s = strength(hole, board, omaha) + noise(m_random);
    const double potOdds =
        options.toCall > 0 ? double(options.toCall) / double(options.pot + options.toCall) : 0.0;

    Decision decision;
    if (options.canRaise && s > 0.72) {
        decision.action = HandEngine::BetRaise;
        std::uniform_real_distribution<double> size(0.0, 1.0);
        const Cents span = options.maxAdd - options.minAdd;
        decision.amount = options.minAdd + Cents(double(span) * size(m_random) * (s - 0.6));
    } else if (options.toCall == 0 || s > potOdds + 0.15) {
        decision.action = HandEngine::CheckCall;
    } else {
        decision.action = HandEngine::Fold;
    }
    return decision;
}

} // namespace Pokerd
