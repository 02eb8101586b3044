// Release manifests as the update server sends them: the files they list,
// and the ones that must never be taken because they would write outside the
// installation or fill the disk.
#include "updatemanifest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using VeskGames::ManifestFile;
using VeskGames::UpdateManifest;

namespace {

QByteArray manifestWith(const QByteArray& files)
{
    return "<?xml version=\"1.0\"?>\n<manifest><version>1.2.3.4</version><files>" + files +
           "</files></manifest>";
}

QByteArray fileEntry(const QByteArray& name, const QByteArray& extra = QByteArray())
{
    return "<file><name>" + name + "</name><size>3</size><url>http://u/" + name +
           "</url><hash algorithm=\"sha1\">a9993e364706816aba3e25717850c26c9cd0d89d</hash>" + extra +
           "</file>";
}

} // namespace

class TestUpdateManifest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTheFiles()
    {
        const QByteArray document =
            "<manifest><version>1.2.3.4</version><file><name>outside-files</name></file><files>"
            "<file executable=\"yes\"><name>./bin/player</name><size>3</size><url>http://u/p</url>"
            "<hash algorithm=\"SHA1\">A9993E364706816ABA3E25717850C26C9CD0D89D</hash></file>"
            "<file executable=\"true\"><name>lib/a.so</name><size>0</size><url>http://u/a</url>"
            "<hash "
            "algorithm=\"md5\">d41d8cd98f00b204e9800998ecf8427e</hash><extra/></file></files></manifest>";
        UpdateManifest manifest;
        QString error;
        QVERIFY2(UpdateManifest::parse(document, &manifest, &error), qPrintable(error));
        QCOMPARE(manifest.version(), QStringLiteral("1.2.3.4"));
        QCOMPARE(manifest.files().size(), 2); // a file outside <files> does not count
        const ManifestFile& player = manifest.files().at(0);
        QCOMPARE(player.name, QStringLiteral("bin/player"));
        QCOMPARE(player.size, 3);
        QCOMPARE(player.url, QStringLiteral("http://u/p"));
        QCOMPARE(player.algorithm, QCryptographicHash::Sha1);
        QCOMPARE(player.hash, QCryptographicHash::hash("abc", QCryptographicHash::Sha1));
        QVERIFY(player.executable);
        QCOMPARE(manifest.files().at(1).algorithm, QCryptographicHash::Md5);
        QVERIFY(!manifest.files().at(1).executable); // only "yes" counts
    }

    void refusesBadManifests_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::newRow("SHA-256") << manifestWith(
            "<file><name>a</name><size>1</size><hash algorithm=\"sha256\">00"
            "</hash></file>");
        QTest::newRow("no algorithm")
            << manifestWith("<file><name>a</name><size>1</size><hash>00</hash></file>");
        QTest::newRow("not XML") << QByteArray("<manifest><files><file>");
        QTest::newRow("up and out") << manifestWith(fileEntry("../../.bashrc"));
        QTest::newRow("up in the middle") << manifestWith(fileEntry("bin/../../x"));
        QTest::newRow("absolute") << manifestWith(fileEntry("/etc/passwd"));
        QTest::newRow("drive letter") << manifestWith(fileEntry("C:/Windows/x.dll"));
        QTest::newRow("backslashes") << manifestWith(fileEntry("..\\\\x"));
        QTest::newRow("empty name") << manifestWith(fileEntry(""));
        QTest::newRow("just a dot") << manifestWith(fileEntry("./."));
        QTest::newRow("twice the same") << manifestWith(fileEntry("a") + fileEntry("a"));
        QTest::newRow("huge size") << manifestWith(
            "<file><name>a</name><size>99999999999999</size><url>http://u/a</url></file>");
        QTest::newRow("negative size") << manifestWith("<file><name>a</name><size>-1</size></file>");
        QTest::newRow("size in words") << manifestWith("<file><name>a</name><size>lots</size></file>");
        QTest::newRow("entities declared")
            << QByteArray("<!DOCTYPE m [<!ENTITY x \"../x\">]><manifest><files><file>"
                          "<name>&x;</name></file></files></manifest>");
        QByteArray many;
        for (int i = 0; i <= UpdateManifest::MaximumFiles; ++i)
            many += "<file><name>f" + QByteArray::number(i) + "</name><size>1</size></file>";
        QTest::newRow("too many files") << manifestWith(many);
    }

    void refusesBadManifests()
    {
        QFETCH(QByteArray, document);
        UpdateManifest manifest;
        QString error;
        QVERIFY(!UpdateManifest::parse(document, &manifest, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(manifest.files().isEmpty());
    }

    void describesTheFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("bin/plugins"));
        QVERIFY(QDir(dir.path()).mkpath(".cache"));
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write("player", "12345");
        write("bin/plugins/kestrin.so", "12");
        write(".hidden", "x");
        write(".cache/thing", "x");
        const UpdateManifest local = UpdateManifest::fromFolder(QDir::toNativeSeparators(dir.path()));
        QCOMPARE(local.folder(), dir.path() + '/');
        QMap<QString, qint64> sizes;
        for (const ManifestFile& file : local.files()) {
            sizes.insert(file.name, file.size);
            QVERIFY(file.hash.isEmpty());
        }
        QCOMPARE(sizes, (QMap<QString, qint64>{{"player", 5}, {"bin/plugins/kestrin.so", 2}}));
    }
};

QTEST_GUILESS_MAIN(TestUpdateManifest)
#include "tst_updatemanifest.moc"
