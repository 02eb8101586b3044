#ifndef XMLRPC_STREAMVALUE_H
#define XMLRPC_STREAMVALUE_H

#include <QByteArray>
#include <QVariant>

namespace xmlrpc {
namespace StreamValue {

/// Reads the value of a methodResponse's params in one pass, without a DOM
/// tree: the same value the DOM reading gives. Documents it does not know to
/// read exactly so (faults, comments, CDATA, mixed content, odd shapes,
/// errors, deep nesting) are declined with false, for the DOM reading to
/// take. The caller has already refused DOCTYPEs.
bool readResponseValue(const QByteArray& data, QVariant* value);
/// The same, but only from plain documents (UTF-8, no references), straight
/// from the bytes; what the quick path of readResponseValue() takes.
bool readResponseValueFromBytes(const QByteArray& data, QVariant* value);

} // namespace StreamValue
} // namespace xmlrpc

#endif
