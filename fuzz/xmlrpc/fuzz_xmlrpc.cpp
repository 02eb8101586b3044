// Feeds arbitrary bytes to both document readers, and whatever they accept
// back through the writers.
#include "xmlrpc/document.h"
#include "xmlrpc/request.h"
#include "xmlrpc/response.h"
#include "xmlrpc/streamvalue.h"
#include "xmlrpc/variant.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace {
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

QByteArray written(const QVariant& value)
{
    return xmlrpc::Response(xmlrpc::Variant(value)).toXml() + value.metaType().name();
}

/// Whatever the one-pass reading takes, the DOM reading must read the same.
void compareReadings(const QByteArray& bytes)
{
    QString error;
    QVariant quick;
    QVariant straight;
    if (!xmlrpc::Document::check(bytes, &error))
        return;
    const bool fromBytes = xmlrpc::StreamValue::readResponseValueFromBytes(bytes, &straight);
    if (!xmlrpc::StreamValue::readResponseValue(bytes, &quick))
        return;
    QDomDocument document;
    if (!xmlrpc::Document::parse(bytes, &document, &error))
        qFatal("the one-pass reading took a document the DOM refuses");
    const QDomElement first =
        document.firstChildElement(QStringLiteral("methodResponse")).firstChildElement();
    bool tooDeep = false;
    const QVariant dom =
        xmlrpc::Variant::fromValueElement(first.firstChild().firstChild().toElement(), &tooDeep);
    if (first.tagName() != QLatin1String("params") || tooDeep || written(quick) != written(dom))
        qFatal("the one-pass reading and the DOM reading differ");
    if (fromBytes && written(straight) != written(dom))
        qFatal("the reading straight from the bytes and the DOM reading differ");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool silenced = [] {
        qInstallMessageHandler(quiet);
        return true;
    }();
    Q_UNUSED(silenced);

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;

    compareReadings(bytes);

    xmlrpc::Response response;
    if (response.parse(bytes, &error)) {
        xmlrpc::Response again;
        if (!again.parse(response.toXml()))
            qFatal("a response we read could not be read back after writing it");
    }

    xmlrpc::Request request;
    if (request.parse(bytes, &error)) {
        xmlrpc::Request again;
        if (!again.parse(request.toXml()) || again.params().size() != request.params().size())
            qFatal("a request we read could not be read back after writing it");
    }
    return 0;
}
