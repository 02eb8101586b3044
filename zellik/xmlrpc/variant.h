#ifndef XMLRPC_VARIANT_H
#define XMLRPC_VARIANT_H

#include <QDateTime>
#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QVariant>

namespace xmlrpc {

/// An XML-RPC value: a QVariant with a constructor for every wire type.
class Variant : public QVariant
{
public:
    /// How deeply arrays and structs may nest in a document that is read.
    static constexpr int DefaultMaximumDepth = 64;

    Variant();
    Variant(const Variant& other);
    Variant(const QVariant& other);
    Variant(int value);
    Variant(uint value);
    Variant(bool value);
    Variant(double value);
    Variant(const QString& value);
    Variant(QChar value);
    Variant(const QByteArray& value);
    Variant(const QDateTime& value);
    Variant(const QStringList& value);
    Variant(const QList<Variant>& value);
    Variant(const QMap<QString, Variant>& value);
    /// Reads a <value> element. Untyped values are strings; unknown types and
    /// values nested deeper than maximumDepth() read as the integer 0.
    explicit Variant(const QDomElement& element);
    virtual ~Variant();

    Variant& operator=(const Variant& other);

    QDomElement toValueElement(QDomDocument& document) const;
    /// Appends the element toValueElement() builds, as a body is written
    /// (indent 2, \a depth levels in), without building it.
    void appendValueXml(QString& out, int depth) const;

    static int maximumDepth();
    static void setMaximumDepth(int depth);

    /// Reads \a element; sets \a tooDeep when nesting passes maximumDepth().
    static QVariant fromValueElement(const QDomElement& element, bool* tooDeep);
};

} // namespace xmlrpc

#endif
