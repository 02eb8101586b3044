#include "variant.h"
#include "xmlrpclogging.h"

#include "document.h"

#include <atomic>

namespace xmlrpc {

namespace {

std::atomic<int> s_maximumDepth{Variant::DefaultMaximumDepth};

QVariant listOf(const QList<Variant>& values)
{
    QVariantList list;
    list.reserve(values.size());
    for (const Variant& value : values)
        list.append(static_cast<const QVariant&>(value));
    return list;
}

QVariant mapOf(const QMap<QString, Variant>& values)
{
    QVariantMap map;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        map.insert(it.key(), static_cast<const QVariant&>(it.value()));
    return map;
}

// The tag and text of a value that is not a struct or array; false for those
// and for types XML-RPC cannot carry.
bool scalarOf(const QVariant& variant, QLatin1String* tag, QString* text)
{
    switch (variant.metaType().id()) {
    case QMetaType::Bool:
        *tag = QLatin1String("boolean");
        *text = variant.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
        *tag = QLatin1String("int");
        *text = variant.toString();
        return true;
    case QMetaType::Double:
        *tag = QLatin1String("double");
        *text = variant.toString();
        return true;
    case QMetaType::QString:
        *tag = QLatin1String("string");
        *text = variant.toString();
        return true;
    case QMetaType::QByteArray:
        *tag = QLatin1String("base64");
        *text = QString::fromLatin1(variant.toByteArray().toBase64());
        return true;
    case QMetaType::QDateTime:
        *tag = QLatin1String("dateTime.iso8601");
        *text = variant.toDateTime().toString(QStringLiteral("yyyyMMddThh:mm:ss"));
        return true;
    default:
        return false;
    }
}

bool isStructOrArray(const QVariant& variant)
{
    const int type = variant.metaType().id();
    return type == QMetaType::QVariantMap || type == QMetaType::QVariantList ||
           type == QMetaType::QStringList;
}

void warnUnsupported(const QVariant& variant)
{
    qCWarning(lcXmlRpc, "%s",
              qPrintable(QStringLiteral("type %1 is not supported")
                             .arg(QLatin1String(variant.metaType().name() ? variant.metaType().name()
                                                                          : "invalid"))));
}

void writeValue(const QVariant& variant, QDomDocument& document, QDomElement& value)
{
    QLatin1String tag;
    QString text;
    if (scalarOf(variant, &tag, &text)) {
        QDomElement type = document.createElement(tag);
        type.appendChild(document.createTextNode(text));
        value.appendChild(type);
    } else if (variant.metaType().id() == QMetaType::QVariantMap) {
        QDomElement structElement = document.createElement(QStringLiteral("struct"));
        const QVariantMap map = variant.toMap();
        for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
            QDomElement member = document.createElement(QStringLiteral("member"));
            QDomElement name = document.createElement(QStringLiteral("name"));
            name.appendChild(document.createTextNode(it.key()));
            member.appendChild(name);
            QDomElement memberValue = document.createElement(QStringLiteral("value"));
            writeValue(it.value(), document, memberValue);
            member.appendChild(memberValue);
            structElement.appendChild(member);
        }
        value.appendChild(structElement);
    } else if (isStructOrArray(variant)) {
        QDomElement array = document.createElement(QStringLiteral("array"));
        QDomElement data = document.createElement(QStringLiteral("data"));
        const QVariantList list = variant.toList();
        for (const QVariant& item : list) {
            QDomElement itemValue = document.createElement(QStringLiteral("value"));
            writeValue(item, document, itemValue);
            data.appendChild(itemValue);
        }
        array.appendChild(data);
        value.appendChild(array);
    } else {
        warnUnsupported(variant);
    }
}

// The same element as writeValue() builds, written as QDomDocument would
// write it, without building the tree first.
void appendValueText(QString& out, const QVariant& variant, int depth)
{
    using namespace Document;
    QLatin1String tag;
    QString text;
    if (scalarOf(variant, &tag, &text)) {
        openElement(out, QLatin1String("value"), depth);
        appendTextElement(out, tag, text, depth + 1);
        closeElement(out, QLatin1String("value"), depth);
    } else if (variant.metaType().id() == QMetaType::QVariantMap) {
        openElement(out, QLatin1String("value"), depth);
        const QVariantMap& map = *static_cast<const QVariantMap*>(variant.constData());
        if (map.isEmpty()) {
            appendEmptyElement(out, QLatin1String("struct"), depth + 1);
        } else {
            openElement(out, QLatin1String("struct"), depth + 1);
            for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
                openElement(out, QLatin1String("member"), depth + 2);
                appendTextElement(out, QLatin1String("name"), it.key(), depth + 3);
                appendValueText(out, it.value(), depth + 3);
                closeElement(out, QLatin1String("member"), depth + 2);
            }
            closeElement(out, QLatin1String("struct"), depth + 1);
        }
        closeElement(out, QLatin1String("value"), depth);
    } else if (isStructOrArray(variant)) {
        openElement(out, QLatin1String("value"), depth);
        openElement(out, QLatin1String("array"), depth + 1);
        const QVariantList list = variant.toList();
        if (list.isEmpty()) {
            appendEmptyElement(out, QLatin1String("data"), depth + 2);
        } else {
            openElement(out, QLatin1String("data"), depth + 2);
            for (const QVariant& item : list)
                appendValueText(out, item, depth + 3);
            closeElement(out, QLatin1String("data"), depth + 2);
        }
        closeElement(out, QLatin1String("array"), depth + 1);
        closeElement(out, QLatin1String("value"), depth);
    } else {
        warnUnsupported(variant);
        appendEmptyElement(out, QLatin1String("value"), depth);
    }
}

QVariant readValue(const QDomElement& element, int depth, bool* tooDeep)
{
    if (element.tagName() != QLatin1String("value"))
        return 0;
    const QDomElement type = element.firstChild().toElement();
    if (type.isNull())
        return element.text();

    const QString tag = type.tagName();
    if (tag == QLatin1String("i4") || tag == QLatin1String("int"))
        return type.text().toInt(nullptr, 10);
    if (tag == QLatin1String("string"))
        return type.text();
    if (tag == QLatin1String("double"))
        return type.text().toDouble();
    if (tag == QLatin1String("base64"))
        return QByteArray::fromBase64(type.text().toLatin1());
    if (tag == QLatin1String("boolean"))
        return type.text().toInt() == 1;
    if (tag == QLatin1String("dateTime.iso8601")) {
        const QString text = type.text();
        const QString iso = text.left(4) + QLatin1Char('-') + text.mid(4, 2) + QLatin1Char('-') + text.mid(6);
        return QDateTime::fromString(iso, Qt::ISODate);
    }

    const bool isStruct = tag == QLatin1String("struct");
    const bool isArray = tag == QLatin1String("array");
    if (!isStruct && !isArray)
        return 0;
    if (depth >= s_maximumDepth.load(std::memory_order_relaxed)) {
        *tooDeep = true;
        return 0;
    }

    if (isStruct) {
        QVariantMap map;
        for (QDomElement member = type.firstChild().toElement(); !member.isNull();
             member = member.nextSibling().toElement()) {
            QString name;
            QVariant value;
            for (QDomElement part = member.firstChild().toElement(); !part.isNull();
                 part = part.nextSibling().toElement()) {
                if (part.tagName() == QLatin1String("name"))
                    name = part.text();
                else if (part.tagName() == QLatin1String("value"))
                    value = readValue(part, depth + 1, tooDeep);
            }
            if (!name.isNull() && value.isValid())
                map.insert(name, value);
        }
        return map;
    }

    QVariantList list;
    const QDomElement data = type.firstChildElement();
    for (QDomElement item = data.firstChildElement(); !item.isNull(); item = item.nextSibling().toElement()) {
        if (item.tagName() == QLatin1String("value"))
            list.append(readValue(item, depth + 1, tooDeep));
    }
    return list;
}

} // namespace

Variant::Variant() = default;
Variant::Variant(const Variant& other) = default;
Variant::Variant(const QVariant& other) : QVariant(other) {}
Variant::Variant(int value) : QVariant(value) {}
Variant::Variant(uint value) : QVariant(value) {}
Variant::Variant(bool value) : QVariant(value) {}
Variant::Variant(double value) : QVariant(value) {}
Variant::Variant(const QString& value) : QVariant(value) {}
Variant::Variant(QChar value) : QVariant(QString(value)) {}
Variant::Variant(const QByteArray& value) : QVariant(value) {}
Variant::Variant(const QDateTime& value) : QVariant(value) {}
Variant::Variant(const QStringList& value) : QVariant(value) {}
Variant::Variant(const QList<Variant>& value) : QVariant(listOf(value)) {}
Variant::Variant(const QMap<QString, Variant>& value) : QVariant(mapOf(value)) {}

Variant::Variant(const QDomElement& element)
{
    bool tooDeep = false;
    QVariant::operator=(readValue(element, 0, &tooDeep));
    if (tooDeep)
        QVariant::operator=(QVariant(0));
}

Variant::~Variant() = default;

Variant& Variant::operator=(const Variant& other) = default;

QDomElement Variant::toValueElement(QDomDocument& document) const
{
    QDomElement value = document.createElement(QStringLiteral("value"));
    writeValue(*this, document, value);
    return value;
}

void Variant::appendValueXml(QString& out, int depth) const
{
    appendValueText(out, *this, depth);
}

int Variant::maximumDepth()
{
    return s_maximumDepth.load();
}

void Variant::setMaximumDepth(int depth)
{
    s_maximumDepth.store(depth);
}

QVariant Variant::fromValueElement(const QDomElement& element, bool* tooDeep)
{
    bool deep = false;
    QVariant result = readValue(element, 0, &deep);
    if (tooDeep)
        *tooDeep = deep;
    return deep ? QVariant() : result;
}

} // namespace xmlrpc
