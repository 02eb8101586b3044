#ifndef XMLRPC_RESPONSE_H
#define XMLRPC_RESPONSE_H

#include "variant.h"

#include <QSharedDataPointer>

namespace xmlrpc {

/// A methodResponse document: a value, or a fault code and text.
class Response
{
public:
    Response();
    explicit Response(const Variant& value);
    Response(int faultCode, const QString& faultString);
    Response(const Response& other);
    Response& operator=(const Response& other);
    virtual ~Response();

    bool isNull() const;
    bool isFault() const;
    int faultCode() const;
    QString faultString() const;
    Variant value() const;

    /// Reads a methodResponse document; on failure \a error gets the reason.
    bool parse(const QByteArray& data, QString* error = nullptr);
    QByteArray toXml() const;

private:
    class Private;
    QSharedDataPointer<Private> d;
};

} // namespace xmlrpc

#endif
