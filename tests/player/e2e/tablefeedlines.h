#ifndef VESKTEST_TABLEFEEDLINES_H
#define VESKTEST_TABLEFEEDLINES_H

// Reading the table state feed (VESK_TABLE_STATE) that a running program writes.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>

namespace TableFeed {

/// The feed's lines so far; a last line still being written is left out.
inline QList<QJsonObject> readLines(const QString& path)
{
    QList<QJsonObject> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    while (!file.atEnd()) {
        const QJsonDocument document = QJsonDocument::fromJson(file.readLine().trimmed());
        if (document.isObject())
            lines.append(document.object());
    }
    return lines;
}

/// How many hands the lines show.
inline int distinctHands(const QList<QJsonObject>& lines)
{
    QSet<int> hands;
    for (const QJsonObject& line : lines) {
        if (!line.value("handId").isNull())
            hands.insert(line.value("handId").toInt());
    }
    return int(hands.size());
}

} // namespace TableFeed

#endif
