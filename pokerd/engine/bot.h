#ifndef POKERD_BOT_H
#define POKERD_BOT_H

#include "handengine.h"

#include <random>

namespace Pokerd {

/// A simple opponent: plays by hand strength and pot odds, with a seeded
/// random streak so that it is not predictable.
class Bot
{
public:
    struct Decision
    {
        HandEngine::Action action = HandEngine::Fold;
        Cents amount = 0;
    };

    explicit Bot(quint32 seed);

    Decision decide(const HandEngine::Options& options, const QByteArray& hole, const QByteArray& board,
                    bool omaha);

    /// 0 (worthless) to 1 (the nuts), roughly.
    static double strength(const QByteArray& hole, const QByteArray& board, bool omaha);

private:
    std::mt19937 m_random;
};

} // namespace Pokerd

#endif
