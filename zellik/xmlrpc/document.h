#ifndef XMLRPC_DOCUMENT_H
#define XMLRPC_DOCUMENT_H

#include <QDomDocument>

namespace xmlrpc {
namespace Document {

/// Parses \a data into \a document. Documents with a DOCTYPE are refused:
/// XML-RPC has no use for one, and entity declarations invite abuse.
/// Documents nested deeper than maximumElementDepth() are refused before the
/// DOM is built.
bool parse(const QByteArray& data, QDomDocument* document, QString* error);
/// The checks of parse() before any reading: no DOCTYPE, no deep nesting.
bool check(const QByteArray& data, QString* error);
int maximumElementDepth();

// Pieces of a body written straight from values, byte for byte as
// QDomDocument::toByteArray(2) writes the same elements (UTF-8, no
// declaration): \a depth levels of two spaces in, each ending its line.
void openElement(QString& out, QLatin1String name, int depth);
void closeElement(QString& out, QLatin1String name, int depth);
void appendEmptyElement(QString& out, QLatin1String name, int depth);
void appendTextElement(QString& out, QLatin1String name, const QString& text, int depth);

} // namespace Document
} // namespace xmlrpc

#endif
