#include "streamvalue.h"

#include "variant.h"

#include <QDateTime>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <cstring>

namespace xmlrpc {
namespace StreamValue {

namespace {

/// Thrown away as soon as a document needs the DOM reading's judgement.
struct Decline
{
};

enum Token { Start, End, Text };

/// Tokens from Qt's stream reader: text of only white space is no node to
/// the DOM reading, so it is skipped here too.
class StreamSource
{
public:
    explicit StreamSource(const QByteArray& data) : m_reader(data) {}

    Token next()
    {
        for (;;) {
            switch (m_reader.readNext()) {
            case QXmlStreamReader::StartElement:
                return Start;
            case QXmlStreamReader::EndElement:
                return End;
            case QXmlStreamReader::Characters:
                if (m_reader.isCDATA())
                    throw Decline();
                if (m_reader.isWhitespace())
                    continue;
                m_text = m_reader.text().toString();
                return Text;
            case QXmlStreamReader::StartDocument:
                continue;
            default: // comments, instructions, entities, the end, errors
                throw Decline();
            }
        }
    }

    bool isNamed(QLatin1String name) const { return m_reader.name() == name; }
    const QString& text() const { return m_text; }

    void skipElement()
    {
        m_reader.skipCurrentElement();
        if (m_reader.hasError())
            throw Decline();
    }

    /// Only white space up to the end of the document.
    void finish()
    {
        for (;;) {
            const QXmlStreamReader::TokenType type = m_reader.readNext();
            if (type == QXmlStreamReader::EndDocument)
                return;
            if (type != QXmlStreamReader::Characters || !m_reader.isWhitespace())
                throw Decline();
        }
    }

private:
    QXmlStreamReader m_reader;
    QString m_text;
};

/// Tokens straight from the bytes, for the plain documents servers write:
/// UTF-8, elements without attributes, text without references. Anything
/// else is declined for the stream reader to take.
class ByteSource
{
public:
    explicit ByteSource(const QByteArray& data)
        : m_at(data.constData()), m_end(data.constData() + data.size())
    {
        skipDeclaration();
    }

    Token next()
    {
        for (;;) {
            if (m_pendingEnd) {
                m_pendingEnd = false;
                return End;
            }
            if (m_at >= m_end)
                throw Decline();
            if (*m_at != '<') {
                if (readText())
                    return Text;
                continue;
            }
            ++m_at;
            if (m_at < m_end && *m_at == '/') {
                ++m_at;
                const QByteArrayView name = readName();
                if (m_at >= m_end || *m_at != '>' || m_open.isEmpty() || m_open.last() != name)
                    throw Decline();
                ++m_at;
                m_name = m_open.last();
                m_open.removeLast();
                return End;
            }
            const QByteArrayView name = readName();
            if (m_at < m_end && *m_at == '/') {
                ++m_at;
                m_pendingEnd = true; // an empty element: its end comes next
            } else {
                m_open.append(name);
            }
            if (m_at >= m_end || *m_at != '>')
                throw Decline();
            ++m_at;
            m_name = name;
            return Start;
        }
    }

    bool isNamed(QLatin1String name) const { return m_name == QByteArrayView(name.data(), name.size()); }
    const QString& text() const { return m_text; }

    void skipElement()
    {
        for (int depth = 1; depth > 0;) {
            const Token token = next();
            depth += token == Start ? 1 : token == End ? -1 : 0;
        }
    }

    void finish()
    {
        if (!m_open.isEmpty() || m_pendingEnd)
            throw Decline();
        for (; m_at < m_end; ++m_at) {
            if (!isSpace(*m_at))
                throw Decline();
        }
    }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\t'; }

    void skipDeclaration()
    {
        static const char plain[] = "<?xml version=\"1.0\"?>";
        const qsizetype length = qsizetype(sizeof(plain) - 1);
        if (m_end - m_at >= length && std::memcmp(m_at, plain, size_t(length)) == 0)
            m_at += length;
        else if (m_end - m_at >= 2 && m_at[0] == '<' && m_at[1] == '?')
            throw Decline(); // other declarations: encodings and the like
    }

    QByteArrayView readName()
    {
        const char* begin = m_at;
        while (m_at < m_end) {
            const char c = *m_at;
            const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
            const bool more = (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
            if (!letter && !(more && m_at > begin))
                break;
            ++m_at;
        }
        if (m_at == begin)
            throw Decline();
        return QByteArrayView(begin, m_at - begin);
    }

    /// False for text of only white space, which the DOM does not keep.
    bool readText()
    {
        const char* begin = m_at;
        bool blank = true;
        bool ascii = true;
        for (; m_at < m_end && *m_at != '<'; ++m_at) {
            const auto c = static_cast<unsigned char>(*m_at);
            if (c == '&' || c == '\r' || (c < 0x20 && c != '\n' && c != '\t') || c == 0x7f)
                throw Decline();
            if (c == '>' && m_at - begin >= 2 && m_at[-1] == ']' && m_at[-2] == ']')
                throw Decline();
            if (c >= 0x80)
                ascii = false;
            if (!isSpace(char(c)))
                blank = false;
        }
        if (blank)
            return false;
        const QByteArrayView bytes(begin, m_at - begin);
        if (ascii) {
            m_text = QString::fromLatin1(bytes);
        } else {
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            m_text = decoder.decode(bytes);
            if (decoder.hasError())
                throw Decline();
            // Characters XML does not allow in a document are the stream reader's to judge.
            for (const QChar ch : std::as_const(m_text)) {
                if (ch.unicode() >= 0x7f && (ch.unicode() <= 0x9f || ch.unicode() >= 0xfdd0))
                    throw Decline();
            }
        }
        return true;
    }

    const char* m_at;
    const char* m_end;
    QVarLengthArray<QByteArrayView, 16> m_open;
    QByteArrayView m_name;
    QString m_text;
    bool m_pendingEnd = false;
};

template <class Source> class Reader
{
public:
    explicit Reader(const QByteArray& data) : m_source(data), m_maximumDepth(Variant::maximumDepth()) {}

    Token next()
    {
        const Token token = m_source.next();
        if (token == Text)
            m_text = m_source.text();
        return token;
    }

    void expectStart(QLatin1String name)
    {
        if (next() != Start || !m_source.isNamed(name))
            throw Decline();
    }

    /// The text of an element without children; the DOM gives "" for none.
    QString textOnly()
    {
        QString text(QLatin1String(""));
        for (;;) {
            switch (next()) {
            case Text:
                text.append(m_text);
                break;
            case End:
                return text;
            case Start:
                throw Decline();
            }
        }
    }

    /// Everything up to the end of the current element, ignored.
    void skipRest()
    {
        for (;;) {
            switch (next()) {
            case Start:
                skipElement();
                break;
            case Text:
                break;
            case End:
                return;
            }
        }
    }

    void skipElement() { m_source.skipElement(); }

    /// After the start of a value element, up to and with its end.
    QVariant readValue(int depth)
    {
        Token token = next();
        if (token == Text) {
            QString text;
            while (token == Text) {
                text.append(m_text);
                token = next();
            }
            if (token == End)
                return text;
            throw Decline(); // text beside elements
        }
        if (token == End)
            return QString(QLatin1String(""));
        const auto tag = [this](const char* name) { return m_source.isNamed(QLatin1String(name)); };
        QVariant result;
        if (tag("i4") || tag("int")) {
            result = textOnly().toInt(nullptr, 10);
        } else if (tag("string")) {
            result = textOnly();
        } else if (tag("double")) {
            result = textOnly().toDouble();
        } else if (tag("base64")) {
            result = QByteArray::fromBase64(textOnly().toLatin1());
        } else if (tag("boolean")) {
            result = textOnly().toInt() == 1;
        } else if (tag("dateTime.iso8601")) {
            const QString text = textOnly();
            const QString iso =
                text.left(4) + QLatin1Char('-') + text.mid(4, 2) + QLatin1Char('-') + text.mid(6);
            result = QDateTime::fromString(iso, Qt::ISODate);
        } else if (tag("struct")) {
            result = readStruct(depth);
        } else if (tag("array")) {
            result = readArray(depth);
        } else {
            skipElement();
            result = 0;
        }
        skipRest(); // only the first child counts
        return result;
    }

    QVariantMap readStruct(int depth)
    {
        if (depth >= m_maximumDepth)
            throw Decline();
        QVariantMap map;
        for (;;) {
            const Token token = next();
            if (token == End)
                return map;
            if (token == Text)
                throw Decline();
            // Every child element is a member, whatever its name.
            QString name;
            QVariant value;
            for (;;) {
                const Token part = next();
                if (part == End)
                    break;
                if (part == Text)
                    throw Decline();
                if (m_source.isNamed(QLatin1String("name")))
                    name = textOnly();
                else if (m_source.isNamed(QLatin1String("value")))
                    value = readValue(depth + 1);
                else
                    skipElement();
            }
            if (!name.isNull() && value.isValid())
                map.insert(name, value);
        }
    }

    QVariantList readArray(int depth)
    {
        if (depth >= m_maximumDepth)
            throw Decline();
        QVariantList list;
        Token token = next();
        if (token == End)
            return list;
        if (token == Text)
            throw Decline();
        // The first child element holds the items, whatever its name.
        for (;;) {
            const Token item = next();
            if (item == End)
                break;
            if (item == Text)
                throw Decline();
            if (m_source.isNamed(QLatin1String("value")))
                list.append(readValue(depth + 1));
            else
                skipElement();
        }
        skipRest();
        return list;
    }

    QVariant readDocument()
    {
        expectStart(QLatin1String("methodResponse"));
        expectStart(QLatin1String("params"));
        expectStart(QLatin1String("param"));
        expectStart(QLatin1String("value"));
        const QVariant value = readValue(0);
        skipRest(); // param
        skipRest(); // params
        skipRest(); // methodResponse
        // Nothing but white space may follow, as the DOM reading demands.
        m_source.finish();
        return value;
    }

private:
    Source m_source;
    int m_maximumDepth;
    QString m_text;
};

template <class Source> bool readWith(const QByteArray& data, QVariant* value)
{
    try {
        Reader<Source> reader(data);
        *value = reader.readDocument();
        return true;
    } catch (const Decline&) {
        return false;
    }
}

} // namespace

bool readResponseValue(const QByteArray& data, QVariant* value)
{
    // Plain documents straight from the bytes, the rest through Qt's reader.
    return readWith<ByteSource>(data, value) || readWith<StreamSource>(data, value);
}

bool readResponseValueFromBytes(const QByteArray& data, QVariant* value)
{
    return readWith<ByteSource>(data, value);
}

} // namespace StreamValue
} // namespace xmlrpc
