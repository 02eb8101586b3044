#ifndef VESKGAMES_TABLESTATEFEED_H
#define VESKGAMES_TABLESTATEFEED_H

#include <QJsonObject>
#include <QString>
#include <QVariant>

namespace VeskGames {

class Card;
class GameScene;

/// What the table shows, one JSON line per finished batch, for stream
/// overlays and tests. Taken from the scene itself, not from the events.
class TableStateFeed
{
public:
    /// The file named by VESK_TABLE_STATE, or an empty text for no feed.
    static QString pathFromEnvironment();

    /// \a handId is null when no hand is known.
    static QJsonObject snapshot(const GameScene& scene, int batch, const QVariant& handId);
    /// "Ah", "Td"; "??" for a card lying face down.
    static QString cardText(const Card& card);
    /// Appends one line; false when the file cannot be written.
    static bool append(const QString& path, const QJsonObject& state);
};

} // namespace VeskGames

#endif
