#include "handrecordreader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QObject>

namespace VeskGames {

namespace {

bool fromArray(const QByteArray& bytes, QStringList* records, QString* error)
{
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isArray()) {
        *error = QObject::tr("not a list of hand records: %1 at byte %2")
                     .arg(parsed.errorString())
                     .arg(parsed.offset);
        return false;
    }
    const QJsonArray array = document.array();
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array.at(i).isString()) {
            *error = QObject::tr("entry %1 of the list is not a hand record").arg(i + 1);
            return false;
        }
        records->append(array.at(i).toString());
    }
    return true;
}

bool fromLines(const QByteArray& bytes, QStringList* records, QString* error)
{
    int number = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        ++number;
        if (line.trimmed().isEmpty())
            continue;
        // A JSON text on its own is not a document to QJsonDocument: wrap it.
        QStringList one;
        if (!fromArray("[" + line + "]", &one, error) || one.size() != 1) {
            *error = QObject::tr("line %1 is not a hand record").arg(number);
            return false;
        }
        records->append(one.first());
    }
    return true;
}

} // namespace

bool HandRecordReader::read(const QByteArray& bytes, QStringList* records, QString* error)
{
    records->clear();
    const QByteArray text = bytes.trimmed();
    if (text.isEmpty()) {
        *error = QObject::tr("no hand records");
        return false;
    }
    bool ok = false;
    switch (text.at(0)) {
    case '[':
        ok = fromArray(text, records, error);
        break;
    case '"':
        ok = fromLines(text, records, error);
        break;
    case '{':
        records->append(QString::fromUtf8(text));
        ok = true;
        break;
    default:
        *error = QObject::tr("not a hand record");
        break;
    }
    if (!ok)
        records->clear();
    return ok;
}

} // namespace VeskGames
