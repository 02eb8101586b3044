#ifndef POKERD_PAGEDOCUMENT_H
#define POKERD_PAGEDOCUMENT_H

#include "accountstore.h"

#include <QString>

namespace Pokerd {

/// The frame every page of the server's own web site shares: one inline
/// style sheet, nothing loaded from elsewhere.
namespace PageDocument {

/// Whole units grouped, cents always two digits: "1,000.00".
QString amount(Cents cents);

/// A complete page; \a footer is HTML, empty for the server's own line.
QString document(const QString& title, const QString& content, const QString& bodyClass = QString(),
                 const QString& language = QStringLiteral("en"), const QString& footer = QString());

} // namespace PageDocument

} // namespace Pokerd

#endif
