#ifndef VESKGAMES_HANDRECORDREADER_H
#define VESKGAMES_HANDRECORDREADER_H

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace VeskGames {

/// Hand records as they are kept in files: one record as it stands, a JSON
/// array of record texts, or one JSON text per line (a server's hand log).
class HandRecordReader
{
public:
    HandRecordReader() = delete;

    /// The records in \a bytes; false with \a error set when it is none of
    /// the forms above.
    static bool read(const QByteArray& bytes, QStringList* records, QString* error);
};

} // namespace VeskGames

#endif
