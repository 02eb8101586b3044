#ifndef VESKGAMES_HANDHISTORYTEXT_H
#define VESKGAMES_HANDHISTORYTEXT_H

#include <QString>
#include <QVariantList>

namespace VeskGames {

/// The lines of a hand history: the hand-history script decides which line
/// comes when and works out its numbers; this writes it, translated, with
/// amounts, times and hand names formatted. Plain text: whoever shows it
/// as rich text escapes it.
class HandHistoryText
{
public:
    HandHistoryText() = delete;

    /// The line for \a key with its \a values; empty for an unknown key or
    /// when a value the key needs is missing.
    static QString line(const QString& key, const QVariantList& values);
    /// The name of the best hand of \a board and \a hole (encoded card
    /// bytes), e.g. "two pairs, kings over nines"; empty when there is none.
    static QString handName(const QByteArray& board, const QByteArray& hole, int minimumHole,
                            int maximumHole);
    /// An amount as the game writes them: with its currency in a cash game
    /// with instant deal, else a plain number.
    static QString amount(const QVariant& value, int gameType, const QString& currency);
};

} // namespace VeskGames

#endif
