#include "response.h"

#include "document.h"
#include "streamvalue.h"

namespace xmlrpc {

class Response::Private : public QSharedData
{
public:
    bool isNull = true;
    bool isFault = false;
    int faultCode = 0;
    QString faultString;
    Variant value;
};

Response::Response() : d(new Private) {}

Response::Response(const Variant& value) : d(new Private)
{
    d->isNull = false;
    d->value = value;
}

Response::Response(int faultCode, const QString& faultString) : d(new Private)
{
    d->isNull = false;
    d->isFault = true;
    d->faultCode = faultCode;
    d->faultString = faultString;
}

Response::Response(const Response& other) = default;
Response& Response::operator=(const Response& other) = default;
Response::~Response() = default;

bool Response::isNull() const
{
    return d->isNull;
}

bool Response::isFault() const
{
    return d->isFault;
}

int Response::faultCode() const
{
    return d->faultCode;
}

QString Response::faultString() const
{
    return d->faultString;
}

Variant Response::value() const
{
    return d->value;
}

bool Response::parse(const QByteArray& data, QString* error)
{
    d->isNull = true;
    QString message;
    // The usual answer is read in one pass; anything unusual goes to the DOM.
    QVariant quick;
    if (Document::check(data, &message) && StreamValue::readResponseValue(data, &quick)) {
        d->isFault = false;
        d->value = quick;
        d->isNull = false;
        return true;
    }
    QDomDocument document;
    if (Document::parse(data, &document, &message)) {
        const QDomElement root = document.firstChildElement(QStringLiteral("methodResponse"));
        const QDomElement first = root.firstChildElement();
        bool tooDeep = false;
        if (root.isNull()) {
            message = QStringLiteral("Missing methodResponse tag");
        } else if (first.tagName() == QLatin1String("params")) {
            d->isFault = false;
            const QDomElement value = first.firstChild().firstChild().toElement();
            d->value = Variant::fromValueElement(value, &tooDeep);
            if (tooDeep)
                message = QStringLiteral("Value nesting is too deep");
            else if (d->value.isValid())
                d->isNull = false;
            else
                message = QStringLiteral("Invalid return value");
        } else if (first.tagName() == QLatin1String("fault")) {
            d->isFault = true;
            const QDomElement valueElement = first.firstChildElement();
            const QVariant fault = Variant::fromValueElement(valueElement, &tooDeep);
            if (tooDeep) {
                message = QStringLiteral("Value nesting is too deep");
            } else if (fault.metaType().id() == QMetaType::QVariantMap) {
                const QVariantMap map = fault.toMap();
                if (map.contains(QStringLiteral("faultCode")) &&
                    map.contains(QStringLiteral("faultString"))) {
                    d->faultCode = map.value(QStringLiteral("faultCode")).toInt();
                    d->faultString = map.value(QStringLiteral("faultString")).toString();
                    d->isNull = false;
                } else {
                    message = QStringLiteral("Fault struct doesn't contain fault code or string values");
                }
            } else {
                message = QStringLiteral("Expected struct for xmlrpc fault, received %1")
                              .arg(valueElement.firstChildElement().tagName());
            }
        } else {
            message = QStringLiteral("Unexpected tag: %1").arg(first.tagName());
        }
    }
    if (d->isNull && error)
        *error = message;
    return !d->isNull;
}

QByteArray Response::toXml() const
{
    // Written straight from the values: building the DOM tree first cost more
    // than the writing.
    QString out;
    Document::openElement(out, QLatin1String("methodResponse"), 0);
    if (d->isFault) {
        Document::openElement(out, QLatin1String("fault"), 1);
        const QMap<QString, Variant> members{{QStringLiteral("faultCode"), Variant(d->faultCode)},
                                             {QStringLiteral("faultString"), Variant(d->faultString)}};
        Variant(members).appendValueXml(out, 2);
        Document::closeElement(out, QLatin1String("fault"), 1);
    } else {
        Document::openElement(out, QLatin1String("params"), 1);
        Document::openElement(out, QLatin1String("param"), 2);
        d->value.appendValueXml(out, 3);
        Document::closeElement(out, QLatin1String("param"), 2);
        Document::closeElement(out, QLatin1String("params"), 1);
    }
    Document::closeElement(out, QLatin1String("methodResponse"), 0);
    return out.toUtf8();
}

} // namespace xmlrpc
