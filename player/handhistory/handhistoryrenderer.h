#ifndef VESKGAMES_HANDHISTORYRENDERER_H
#define VESKGAMES_HANDHISTORYRENDERER_H

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace VeskGames {

/// Runs the hand-history script over hand records and collects each hand's
/// lines (plain text). Every render() starts a fresh script engine, so
/// nothing one record does reaches the next rendering.
class HandHistoryRenderer
{
public:
    struct Result
    {
        /// The lines of each hand read, in record order.
        QList<QStringList> hands;
        /// Empty when every record was read; else why the first unread one failed.
        QString error;
    };

    HandHistoryRenderer();
    ~HandHistoryRenderer();

    /// Display names instead of user names where a player has one (default on).
    void setShowDisplayName(bool show);
    /// Whether the pot summary of a service-fee game shows the fee.
    void setDisplayServiceFee(bool show);
    /// How long the script may take for one hand before it is stopped.
    void setTimeLimit(int msec);
    /// Records longer than this are refused unread (real hands are a few KiB).
    void setMaximumRecordLength(int characters);
    void setScriptPath(const QString& path);

    /// Reads \a records in order; stops at the first the script fails on.
    Result render(const QStringList& records) const;

    static QString defaultScriptPath();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
