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
int maximumElementDepth();

/// Serialises the way every XML-RPC body is sent: UTF-8, indent 2, no declaration.
QByteArray serialise(const QDomDocument& document);

} // namespace Document
} // namespace xmlrpc

#endif
