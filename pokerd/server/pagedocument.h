#ifndef POKERD_PAGEDOCUMENT_H
#define POKERD_PAGEDOCUMENT_H

#include "accountstore.h"
#include "tableconfig.h"

#include <QString>

namespace Pokerd {

/// The frame every page of the server's own web site shares: one inline
/// style sheet, nothing loaded from elsewhere.
namespace PageDocument {

/// Whole units grouped, cents always two digits: "1,000.00".
QString amount(Cents cents);

/// How a page's language names a table's game and stakes.
struct TableWords
{
    QString holdem;
    QString omaha;
    QString potLimit; ///< follows the game's name
    QString noLimit;
    QString separator;
    QString ante; ///< before the ante's amount
};

/// "Hold'em, no limit" in \a words.
QString gameName(const TableConfig& table, const TableWords& words);
/// "0.50 / 1.00, ante 0.10" in \a words; empty for a table without blinds or ante.
QString stakes(const TableConfig& table, const TableWords& words);

/// A complete page; \a footer is HTML, empty for the server's own line.
QString document(const QString& title, const QString& content, const QString& bodyClass = QString(),
                 const QString& language = QStringLiteral("en"), const QString& footer = QString());

} // namespace PageDocument

} // namespace Pokerd

#endif
