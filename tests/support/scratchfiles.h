#ifndef VESKTEST_SCRATCHFILES_H
#define VESKTEST_SCRATCHFILES_H

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

/// Writes \a bytes to \a path, making its folders; fails the test otherwise.
inline void writeFile(const QString& path, const QByteArray& bytes, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    if (executable)
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

/// The file's bytes, or "<missing>" when there is none.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

#endif
