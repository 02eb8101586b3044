#include "updatemanifest.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>
#include <QXmlStreamReader>

namespace VeskGames {

namespace {

bool algorithmOf(QStringView text, QCryptographicHash::Algorithm* algorithm)
{
    if (text.compare(QLatin1String("sha1"), Qt::CaseInsensitive) == 0)
        *algorithm = QCryptographicHash::Sha1;
    else if (text.compare(QLatin1String("md5"), Qt::CaseInsensitive) == 0)
        *algorithm = QCryptographicHash::Md5;
    else if (text.compare(QLatin1String("md4"), Qt::CaseInsensitive) == 0)
        *algorithm = QCryptographicHash::Md4;
    else
        return false;
    return true;
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool UpdateManifest::isSafeName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.contains(QChar(0)))
        return false;
    // A drive letter or a scheme is no relative path either.
    if (name.contains(u':'))
        return false;
    const QStringList parts = name.split(u'/');
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

bool UpdateManifest::parse(const QByteArray& document, UpdateManifest* manifest, QString* error)
{
    UpdateManifest result;
    QXmlStreamReader reader(document);
    QSet<QString> names;
    bool inFiles = false;
    int filesDepth = 0;
    int depth = 0;
    ManifestFile* file = nullptr;
    ManifestFile current;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD)
            return fail(error, QStringLiteral("document type declarations are not accepted"));
        if (token == QXmlStreamReader::EndElement) {
            if (file && reader.name() == QLatin1String("file")) {
                if (!isSafeName(current.name))
                    return fail(error, QStringLiteral("unsafe file name \"%1\"").arg(current.name));
                if (names.contains(current.name))
                    return fail(error, QStringLiteral("file \"%1\" listed twice").arg(current.name));
                if (result.m_files.size() >= MaximumFiles)
                    return fail(error, QStringLiteral("more than %1 files").arg(MaximumFiles));
                names.insert(current.name);
                result.m_files.append(current);
                file = nullptr;
            }
            if (inFiles && depth == filesDepth)
                inFiles = false;
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QStringView name = reader.name();
        if (name == QLatin1String("version")) {
            result.m_version = reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            --depth;
        } else if (name == QLatin1String("files")) {
            inFiles = true;
            filesDepth = depth;
        } else if (name == QLatin1String("file") && inFiles && !file) {
            current = ManifestFile();
            current.executable =
                reader.attributes().value(QLatin1String("executable")) == QLatin1String("yes");
            file = &current;
        } else if (file && name == QLatin1String("name")) {
            QString text = reader.readElementText().trimmed();
            if (text.startsWith(QLatin1String("./")))
                text.remove(0, 2);
            current.name = text;
            --depth;
        } else if (file && name == QLatin1String("size")) {
            bool ok = false;
            current.size = reader.readElementText().trimmed().toLongLong(&ok);
            if (!ok || current.size < 0 || current.size > MaximumFileSize)
                return fail(error, QStringLiteral("a file size is not a size a release can have"));
            --depth;
        } else if (file && name == QLatin1String("url")) {
            current.url = reader.readElementText().trimmed();
            --depth;
        } else if (file && name == QLatin1String("hash")) {
            if (!algorithmOf(reader.attributes().value(QLatin1String("algorithm")), &current.algorithm))
                return fail(error, QStringLiteral("unknown digest algorithm \"%1\"")
                                       .arg(reader.attributes().value(QLatin1String("algorithm"))));
            current.hash = QByteArray::fromHex(reader.readElementText().trimmed().toLatin1());
            --depth;
        }
    }
    if (reader.hasError())
        return fail(error, reader.errorString());
    *manifest = result;
    return true;
}

UpdateManifest UpdateManifest::fromFolder(const QString& folder)
{
    UpdateManifest result;
    QString base = QDir::fromNativeSeparators(folder);
    if (!base.endsWith(u'/'))
        base.append(u'/');
    result.m_folder = base;
    QDirIterator it(base, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        ManifestFile file;
        file.name = info.filePath().mid(base.size());
        file.size = info.size();
        result.m_files.append(file);
    }
    return result;
}

QString UpdateManifest::version() const
{
    return m_version;
}

const QList<ManifestFile>& UpdateManifest::files() const
{
    return m_files;
}

QString UpdateManifest::folder() const
{
    return m_folder;
}

} // namespace VeskGames
