#include "updateservice.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamWriter>

namespace Pokerd {

namespace {

/// A component's name as a folder name: letters and digits only.
bool isComponent(const QString& name)
{
    if (name.isEmpty() || name.size() > 64)
        return false;
    for (const QChar c : name) {
        if (!c.isLetterOrNumber() || c.unicode() > 127)
            return false;
    }
    return true;
}

QVariantMap structOf(const QList<xmlrpc::Variant>& params)
{
    return params.isEmpty() ? QVariantMap() : params.first().toMap();
}

} // namespace

QString UpdateService::endpointPath()
{
    return QStringLiteral("/updates/xmlrpc.php");
}

QString UpdateService::filesPath()
{
    return QStringLiteral("/updates/files/");
}

UpdateService::UpdateService(const QString& folder) : m_folder(QDir(folder).absolutePath()) {}

void UpdateService::setBaseUrl(const QUrl& url)
{
    m_base = url;
}

int UpdateService::compareVersions(const QString& a, const QString& b)
{
    const QStringList left = a.split(u'.');
    const QStringList right = b.split(u'.');
    for (qsizetype i = 0; i < qMax(left.size(), right.size()); ++i) {
        const qlonglong x = left.value(i).toLongLong();
        const qlonglong y = right.value(i).toLongLong();
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

QString UpdateService::releaseVersion(const QString& component) const
{
    if (!isComponent(component))
        return QString();
    QFile file(m_folder + u'/' + component + QStringLiteral("/version"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}

QByteArray UpdateService::manifest(const QString& component) const
{
    const QString root = m_folder + u'/' + component + u'/';
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("manifest"));
    xml.writeTextElement(QStringLiteral("version"), releaseVersion(component));
    xml.writeStartElement(QStringLiteral("files"));
    QStringList names;
    QDirIterator it(root, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.next().mid(root.size());
        if (name != QLatin1String("version"))
            names.append(name);
    }
    names.sort();
    for (const QString& name : std::as_const(names)) {
        QFile file(root + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QCryptographicHash digest(QCryptographicHash::Sha1);
        digest.addData(&file);
        QUrl url = m_base;
        url.setPath(filesPath() + component + u'/' + name);
        xml.writeStartElement(QStringLiteral("file"));
        if (QFileInfo(file).isExecutable())
            xml.writeAttribute(QStringLiteral("executable"), QStringLiteral("yes"));
        xml.writeTextElement(QStringLiteral("name"), name);
        xml.writeTextElement(QStringLiteral("size"), QString::number(file.size()));
        xml.writeTextElement(QStringLiteral("url"), url.toString());
        xml.writeStartElement(QStringLiteral("hash"));
        xml.writeAttribute(QStringLiteral("algorithm"), QStringLiteral("sha1"));
        xml.writeCharacters(QString::fromLatin1(digest.result().toHex()));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

xmlrpc::Response UpdateService::call(const QString& method, const QList<xmlrpc::Variant>& params,
                                     const QString&, QString*, const QString&)
{
    const QVariantMap query = structOf(params);
    const QString component = query.value(QStringLiteral("component")).toString();
    const QString release = releaseVersion(component);
    if (method == QLatin1String("getCurrentVersion")) {
        const bool newer =
            !release.isEmpty() &&
            compareVersions(release, query.value(QStringLiteral("currentVersion")).toString()) > 0;
        return xmlrpc::Response(xmlrpc::Variant(
            QMap<QString, xmlrpc::Variant>{{QStringLiteral("ok"), xmlrpc::Variant(newer)},
                                           {QStringLiteral("currentVersion"), xmlrpc::Variant(release)}}));
    }
    if (method == QLatin1String("getManifest")) {
        if (release.isEmpty())
            return xmlrpc::Response(xmlrpc::Variant(
                QMap<QString, xmlrpc::Variant>{{QStringLiteral("ok"), xmlrpc::Variant(false)}}));
        return xmlrpc::Response(xmlrpc::Variant(QMap<QString, xmlrpc::Variant>{
            {QStringLiteral("ok"), xmlrpc::Variant(true)},
            {QStringLiteral("manifest"), xmlrpc::Variant(manifest(component))}}));
    }
    return xmlrpc::Response(-32601, QStringLiteral("Unknown method %1").arg(method));
}

bool UpdateService::file(const QString& path, QByteArray* bytes) const
{
    const QString component = path.section(u'/', 0, 0);
    const QString name = path.section(u'/', 1);
    if (!isComponent(component) || name.isEmpty() || name == QLatin1String("version"))
        return false;
    const QString root = QFileInfo(m_folder + u'/' + component).canonicalFilePath();
    const QString target = QFileInfo(m_folder + u'/' + component + u'/' + name).canonicalFilePath();
    // Only what lies inside the component's folder, links resolved.
    if (root.isEmpty() || !target.startsWith(root + u'/'))
        return false;
    QFile file(target);
    if (!QFileInfo(target).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return true;
}

} // namespace Pokerd
