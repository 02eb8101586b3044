#include "localresources.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

using VeskGames::LocalResources;

namespace {
const QMetaType kString = QMetaType::fromType<QString>();
const QMetaType kPixmap = QMetaType::fromType<QPixmap>();

void writeFile(const QString& path, qint64 bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(QByteArray(bytes, 'x')) == bytes);
}

void writeImage(const QString& path, const QColor& colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "PNG"));
}
} // namespace

class TestLocalResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The lookups tell where they looked in debug messages, which are off unless asked for.
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("vesk.resources.debug=true")); }

    void init()
    {
        QVERIFY(m_first.isValid() && m_second.isValid());
        LocalResources::setSearchPaths({m_first.path(), m_second.path()});
    }

    void cleanup()
    {
        for (QTemporaryDir* dir : {&m_first, &m_second}) {
            QDir(dir->path()).removeRecursively();
            QDir().mkpath(dir->path());
        }
    }

    void firstPathWins()
    {
        writeFile(m_first.path() + "/a/file.txt", 10);
        writeFile(m_second.path() + "/a/file.txt", 10);
        writeFile(m_second.path() + "/b.txt", 10);
        QCOMPARE(LocalResources::resourcePath("/a/file.txt", kString), m_first.path() + "/a/file.txt");
        QCOMPARE(LocalResources::resourcePath("/b.txt", kString), m_second.path() + "/b.txt");
        QCOMPARE(LocalResources::resource("/b.txt", kString).toString(), m_second.path() + "/b.txt");
    }

    void namesAreJoinedWithoutSeparator()
    {
        writeFile(m_first.path() + "x.txt", 1);
        // No '/' is put between path and name.
        QCOMPARE(LocalResources::resourcePath("x.txt", kString), m_first.path() + "x.txt");
        QFile::remove(m_first.path() + "x.txt");
    }

    void addingAPathForgetsCachedResults()
    {
        writeFile(m_second.path() + "/f.txt", 1);
        QCOMPARE(LocalResources::resourcePath("/f.txt", kString), m_second.path() + "/f.txt");

        QTemporaryDir front;
        writeFile(front.path() + "/f.txt", 1);
        LocalResources::setSearchPaths({front.path()});
        LocalResources::addSearchPath(m_second.path());
        QCOMPARE(LocalResources::searchPaths(), QStringList({front.path(), m_second.path()}));
        QCOMPARE(LocalResources::resourcePath("/f.txt", kString), front.path() + "/f.txt");
    }

    void hitsAreCachedEvenWhenTheFileGoes()
    {
        writeFile(m_first.path() + "/gone.txt", 1);
        QCOMPARE(LocalResources::resourcePath("/gone.txt", kString), m_first.path() + "/gone.txt");
        QFile::remove(m_first.path() + "/gone.txt");
        QCOMPARE(LocalResources::resourcePath("/gone.txt", kString), m_first.path() + "/gone.txt");
    }

    void missesAreNotCached()
    {
        for (int i = 0; i < 2; ++i) {
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("did not find resource in"));
            QCOMPARE(LocalResources::resourcePath("/late.txt", kString), QString());
        }
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("did not find resource in"));
        QVERIFY(LocalResources::resource("/late.txt", kString).isNull());
        writeFile(m_second.path() + "/late.txt", 1);
        QCOMPARE(LocalResources::resourcePath("/late.txt", kString), m_second.path() + "/late.txt");
    }

    void pixmaps()
    {
        writeImage(m_first.path() + "/img/red.png", Qt::red);
        const QPixmap pixmap = LocalResources::resourcePixmap("/img/red.png");
        QCOMPARE(pixmap.size(), QSize(4, 4));
        QCOMPARE(pixmap.toImage().pixelColor(1, 1), QColor(Qt::red));

        // A file that is no image is not a pixmap, and no path either.
        writeFile(m_first.path() + "/img/broken.png", 20);
        QVERIFY(LocalResources::resourcePixmap("/img/broken.png").isNull());
        QCOMPARE(LocalResources::resourcePath("/img/broken.png", kPixmap), QString());
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("did not find resource in"));
        QVERIFY(LocalResources::resourcePixmap("/img/none.png").isNull());
    }

    void otherTypesAreNotLoaded()
    {
        writeFile(m_first.path() + "/data.bin", 10);
        QVERIFY(!LocalResources::resource("/data.bin", QMetaType::fromType<int>()).isValid());
        QCOMPARE(LocalResources::resourcePath("/data.bin", QMetaType::fromType<int>()), QString());
    }

    void leastRecentlyUsedIsEvicted()
    {
        // Three files of 3000 KiB: only two fit in 8192 units.
        const qint64 size = 3000 * 1024;
        for (const char* name : {"/one", "/two", "/three"})
            writeFile(m_first.path() + name, size);
        QVERIFY(!LocalResources::resourcePath("/one", kString).isEmpty());
        QVERIFY(!LocalResources::resourcePath("/two", kString).isEmpty());
        QVERIFY(!LocalResources::resourcePath("/one", kString).isEmpty()); // "/two" is now the oldest
        QVERIFY(!LocalResources::resourcePath("/three", kString).isEmpty());

        // Cached entries survive the removal of their file; evicted ones do not.
        for (const char* name : {"/one", "/two", "/three"})
            QFile::remove(m_first.path() + name);
        QVERIFY(!LocalResources::resourcePath("/one", kString).isEmpty());
        QVERIFY(!LocalResources::resourcePath("/three", kString).isEmpty());
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("did not find resource in"));
        QVERIFY(LocalResources::resourcePath("/two", kString).isEmpty());
    }

    void entryLargerThanTheCacheIsStillAnswered()
    {
        const QString path = m_first.path() + "/huge";
        writeFile(path, qint64(LocalResources::CacheCapacity + 1) * 1024);
        QCOMPARE(LocalResources::resourcePath("/huge", kString), path);
        QCOMPARE(LocalResources::resource("/huge", kString).toString(), path);
        QFile::remove(path);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("did not find resource in"));
        QVERIFY(LocalResources::resourcePath("/huge", kString).isEmpty());
    }

private:
    QTemporaryDir m_first;
    QTemporaryDir m_second;
};

QTEST_MAIN(TestLocalResources)
#include "tst_localresources.moc"
