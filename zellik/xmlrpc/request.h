#ifndef XMLRPC_REQUEST_H
#define XMLRPC_REQUEST_H

#include "variant.h"

#include <QSharedDataPointer>

namespace xmlrpc {

/// A methodCall document: method name and parameters.
class Request
{
public:
    Request();
    Request(const QString& methodName, const QList<Variant>& params);
    Request(const Request& other);
    Request& operator=(const Request& other);
    ~Request();

    bool isNull() const;
    QString methodName() const;
    QList<Variant> params() const;

    QByteArray toXml() const;
    /// Reads a methodCall document; on failure \a error gets the reason.
    bool parse(const QByteArray& data, QString* error = nullptr);

private:
    class Private;
    QSharedDataPointer<Private> d;
};

} // namespace xmlrpc

#endif
