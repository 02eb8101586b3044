// Feeds arbitrary bytes to both document readers, and whatever they accept
// back through the writers.
#include "xmlrpc/request.h"
#include "xmlrpc/response.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace {
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
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
