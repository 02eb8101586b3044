#include "document.h"

#include "variant.h"

#include <cstring>

namespace xmlrpc {
namespace Document {

namespace {

enum class ScanResult { Fine, TooDeep, Doctype };

qsizetype skipPast(const QByteArray& data, qsizetype from, const char* end)
{
    const qsizetype at = data.indexOf(end, from);
    return at < 0 ? data.size() : at + qsizetype(qstrlen(end));
}

// A linear look at the markup before the DOM sees it: the DOM builder
// recurses per element and slows down badly on very deep documents, and it
// would expand entities declared in a DOCTYPE. Syntax errors are left to it.
ScanResult scan(const QByteArray& data, int maximumDepth)
{
    const qsizetype size = data.size();
    const char* bytes = data.constData();
    int depth = 0;
    qsizetype i = 0;
    // Compared in place: a copy per '<' was a large share of the parse.
    const auto startsWith = [&](qsizetype at, const char* text) {
        const qsizetype length = qsizetype(qstrlen(text));
        return at + length <= size && std::memcmp(bytes + at, text, size_t(length)) == 0;
    };
    while ((i = data.indexOf('<', i)) >= 0) {
        if (startsWith(i, "<!--")) {
            i = skipPast(data, i + 4, "-->");
        } else if (startsWith(i, "<![CDATA[")) {
            i = skipPast(data, i + 9, "]]>");
        } else if (i + 1 < size && bytes[i + 1] == '!') {
            return ScanResult::Doctype;
        } else if (i + 1 < size && bytes[i + 1] == '?') {
            i = skipPast(data, i + 2, "?>");
        } else if (i + 1 < size && bytes[i + 1] == '/') {
            --depth;
            i = skipPast(data, i + 2, ">");
        } else {
            char quote = 0;
            qsizetype j = i + 1;
            for (; j < size; ++j) {
                const char c = bytes[j];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
            }
            if (j >= size || bytes[j - 1] != '/') {
                if (++depth > maximumDepth)
                    return ScanResult::TooDeep;
            }
            i = j;
        }
    }
    return ScanResult::Fine;
}

} // namespace

int maximumElementDepth()
{
    // Each level of values is three elements (value, array, data or value,
    // struct, member), plus the envelope around the first value.
    return 3 * Variant::maximumDepth() + 8;
}

bool check(const QByteArray& data, QString* error)
{
    switch (scan(data, maximumElementDepth())) {
    case ScanResult::TooDeep:
        *error = QStringLiteral("Value nesting is too deep");
        return false;
    case ScanResult::Doctype:
        *error = QStringLiteral("Document type declarations are not accepted");
        return false;
    case ScanResult::Fine:
        break;
    }
    return true;
}

bool parse(const QByteArray& data, QDomDocument* document, QString* error)
{
    if (!check(data, error))
        return false;
    QString message;
    int line = 0;
    int column = 0;
    if (!document->setContent(data, &message, &line, &column)) {
        *error = QStringLiteral("%1\nline: %2 column:%3").arg(message).arg(line).arg(column);
        return false;
    }
    return true;
}

namespace {

void appendIndent(QString& out, int depth)
{
    static const QString spaces(256, QLatin1Char(' '));
    for (int n = depth * 2; n > 0; n -= int(spaces.size()))
        out.append(QStringView(spaces).left(qMin(n, int(spaces.size()))));
}

// Text as QDomDocument::toByteArray() writes it inside an element.
void appendText(QString& out, const QString& text)
{
    const QChar* chars = text.constData();
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        QLatin1String replacement;
        switch (chars[i].unicode()) {
        case u'<':
            replacement = QLatin1String("&lt;");
            break;
        case u'&':
            replacement = QLatin1String("&amp;");
            break;
        case u'>':
            if (i >= 2 && chars[i - 1] == u']' && chars[i - 2] == u']')
                replacement = QLatin1String("&gt;");
            break;
        case u'\r':
            replacement = QLatin1String("&#xd;");
            break;
        default:
            break;
        }
        if (replacement.size()) {
            out.append(QStringView(chars + start, i - start));
            out.append(replacement);
            start = i + 1;
        }
    }
    out.append(QStringView(chars + start, size - start));
}

} // namespace

void openElement(QString& out, QLatin1String name, int depth)
{
    appendIndent(out, depth);
    out.append(QLatin1Char('<'));
    out.append(name);
    out.append(QLatin1String(">\n"));
}

void closeElement(QString& out, QLatin1String name, int depth)
{
    appendIndent(out, depth);
    out.append(QLatin1String("</"));
    out.append(name);
    out.append(QLatin1String(">\n"));
}

void appendEmptyElement(QString& out, QLatin1String name, int depth)
{
    appendIndent(out, depth);
    out.append(QLatin1Char('<'));
    out.append(name);
    out.append(QLatin1String("/>\n"));
}

void appendTextElement(QString& out, QLatin1String name, const QString& text, int depth)
{
    appendIndent(out, depth);
    out.append(QLatin1Char('<'));
    out.append(name);
    out.append(QLatin1Char('>'));
    appendText(out, text);
    out.append(QLatin1String("</"));
    out.append(name);
    out.append(QLatin1String(">\n"));
}

} // namespace Document
} // namespace xmlrpc
