#ifndef VESKGAMES_GAMELISTROWS_H
#define VESKGAMES_GAMELISTROWS_H

#include "zellik_export.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <QVariantMap>

class QStandardItem;

namespace VeskGames {

class Command;

/// Turns the server's game records into the lobby's rows: the texts, the
/// status icon and the keys the columns sort by.
class ZELLIK_EXPORT GameListRows
{
    Q_DECLARE_TR_FUNCTIONS(GameListRows)

public:
    enum ListType { CashGames = 0, Freerolls = 1 };
    enum Role {
        RecordRole = Qt::UserRole + 1, ///< the server's record, on the first cell
        SortRole,                      ///< what a column sorts by
        IconRole                       ///< the status icon's file name, empty for none
    };

    static QStringList columnTitles(ListType type);
    static int initialSortColumn(ListType type);
    static Qt::SortOrder initialSortOrder(ListType type);

    static QString statusIcon(bool registered, int tourStatus);
    /// The blinds or ante: money at a cash table, plain chips in a tournament.
    static QString blindsText(const QVariantMap& record);
    /// What a seat costs: a Sit & Go's buy-in and fee, a cash table's range
    /// (one amount when it has none); empty when the record says nothing.
    static QString buyinText(const QVariantMap& record);
    /// "tourStart" as the server sends it (date-time, ISO text or seconds since the epoch).
    static QDateTime startTime(const QVariantMap& record);

    /// One row of cells; the caller owns them.
    static QList<QStandardItem*> cashGameRow(const QVariantMap& record);
    static QList<QStandardItem*> freerollRow(const QVariantMap& record);

    /// The records of a finished list command; \a ok is false for a failed one.
    static QList<QVariantMap> records(Command* command, bool* ok);
};

} // namespace VeskGames

#endif
