#include "request.h"

#include "document.h"

namespace xmlrpc {

class Request::Private : public QSharedData
{
public:
    bool isNull = true;
    QString methodName;
    QList<Variant> params;
};

Request::Request() : d(new Private) {}

Request::Request(const QString& methodName, const QList<Variant>& params) : d(new Private)
{
    d->isNull = false;
    d->methodName = methodName;
    d->params = params;
}

Request::Request(const Request& other) = default;
Request& Request::operator=(const Request& other) = default;
Request::~Request() = default;

bool Request::isNull() const
{
    return d->isNull;
}

QString Request::methodName() const
{
    return d->methodName;
}

QList<Variant> Request::params() const
{
    return d->params;
}

QByteArray Request::toXml() const
{
    QString out;
    Document::openElement(out, QLatin1String("methodCall"), 0);
    Document::appendTextElement(out, QLatin1String("methodName"), d->methodName, 1);
    if (d->params.isEmpty()) {
        Document::appendEmptyElement(out, QLatin1String("params"), 1);
    } else {
        Document::openElement(out, QLatin1String("params"), 1);
        for (const Variant& value : d->params) {
            Document::openElement(out, QLatin1String("param"), 2);
            value.appendValueXml(out, 3);
            Document::closeElement(out, QLatin1String("param"), 2);
        }
        Document::closeElement(out, QLatin1String("params"), 1);
    }
    Document::closeElement(out, QLatin1String("methodCall"), 0);
    return out.toUtf8();
}

bool Request::parse(const QByteArray& data, QString* error)
{
    d->isNull = true;
    d->params.clear();
    QString message;
    auto fail = [&](const QString& text) {
        if (error)
            *error = text;
        return false;
    };

    QDomDocument document;
    if (!Document::parse(data, &document, &message))
        return fail(message);
    const QDomElement call = document.firstChildElement(QStringLiteral("methodCall"));
    const QString methodName = call.firstChildElement(QStringLiteral("methodName")).text();
    if (methodName.isEmpty())
        return fail(QStringLiteral("Method name is missing"));
    const QDomElement params = call.firstChildElement(QStringLiteral("params"));
    if (params.isNull())
        return fail(QStringLiteral("Parameters are missing"));

    QList<Variant> values;
    for (QDomElement param = params.firstChildElement(QStringLiteral("param")); !param.isNull();
         param = param.nextSiblingElement(QStringLiteral("param"))) {
        bool tooDeep = false;
        const QVariant value = Variant::fromValueElement(param.firstChildElement(), &tooDeep);
        if (tooDeep)
            return fail(QStringLiteral("Value nesting is too deep"));
        if (!value.isValid())
            return fail(QStringLiteral("Invalid parameter: %1").arg(QString()));
        values.append(value);
    }
    d->methodName = methodName;
    d->params = values;
    d->isNull = false;
    return true;
}

} // namespace xmlrpc
