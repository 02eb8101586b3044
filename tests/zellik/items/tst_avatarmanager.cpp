// The avatar cache in a scratch home: ageing by date and server, hostile
// data and files, and the pictures of the local server.
#include "avatarmanager.h"
#include "client.h"
#include "pokerdprocess.h"
#include "scriptedhttpserver.h"
#include "servercommand.h"
#include "xmlrpc/response.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace VeskGames;

namespace {

/// An avatar cache of its own, counting what it asks the server for.
class Avatars : public AvatarManager
{
public:
    explicit Avatars(const QString& home) : AvatarManager(nullptr, home) {}
    ~Avatars() override = default;
    QList<int> requested;
    bool store(int id, const QByteArray& data) { return addImageDataToCache(id, data); }

protected:
    void requestImage(int id) override
    {
        requested << id;
        AvatarManager::requestImage(id);
    }
};

QByteArray png(const QColor& colour, int size = 8)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QString folder(const QTemporaryDir& home)
{
    return home.path() + QStringLiteral("/.velmora/avatars");
}

void plant(const QTemporaryDir& home, int id, const QVariant& lastUsed, const QString& host = QString())
{
    QDir().mkpath(folder(home));
    QFile file(folder(home) + QStringLiteral("/%1.png").arg(id));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(png(Qt::red));
    file.close();
    QSettings settings(folder(home) + QStringLiteral("/cache.conf"), QSettings::IniFormat);
    if (lastUsed.isValid())
        settings.setValue(QStringLiteral("%1_timestamp").arg(id), lastUsed);
    settings.setValue(QStringLiteral("%1_name").arg(id), QStringLiteral("avatar %1").arg(id));
    if (!host.isEmpty())
        settings.setValue(QStringLiteral("host"), host);
}

std::unique_ptr<Client> clientFor(quint16 port)
{
    auto client = std::make_unique<Client>();
    client->connect();
    client->setHost(QStringLiteral("127.0.0.1"), port);
    return client;
}

} // namespace

class TestAvatarManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ageing_data()
    {
        QTest::addColumn<QVariant>("lastUsed");
        QTest::addColumn<bool>("kept");
        const QDate today = QDate::currentDate();
        QTest::newRow("today") << QVariant(today.toString(Qt::ISODate)) << true;
        QTest::newRow("30 days ago") << QVariant(today.addDays(-30).toString(Qt::ISODate)) << true;
        QTest::newRow("31 days ago") << QVariant(today.addDays(-31).toString(Qt::ISODate)) << false;
        QTest::newRow("a year ago") << QVariant(today.addYears(-1).toString(Qt::ISODate)) << false;
        QTest::newRow("no date") << QVariant() << false;
        QTest::newRow("not a date") << QVariant(QStringLiteral("yesterday-ish")) << false;
    }

    void ageing()
    {
        QFETCH(QVariant, lastUsed);
        QFETCH(bool, kept);
        QTemporaryDir home;
        plant(home, 7, lastUsed, QStringLiteral("127.0.0.1"));
        {
            Avatars avatars(home.path());
            // Loading does not age: the picture is there for this run.
            QCOMPARE(avatars.imageIds(), QList<int>{7});
            QCOMPARE(avatars.imageName(7), QStringLiteral("avatar 7"));
        }
        // The end of the run ages the cache.
        QCOMPARE(QFile::exists(folder(home) + "/7.png"), kept);
        QSettings settings(folder(home) + "/cache.conf", QSettings::IniFormat);
        QCOMPARE(settings.contains("7_timestamp"), kept && lastUsed.isValid());
        QCOMPARE(settings.contains("7_name"), kept);
    }

    void anotherServerEmptiesTheFolder()
    {
        QTemporaryDir home;
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        plant(home, 3, today, QStringLiteral("old.example"));
        plant(home, 4, today);
        ScriptedHttpServer server;
        QVERIFY(server.listen());
        auto client = clientFor(server.port());
        Avatars avatars(home.path());
        QVERIFY(!avatars.image(3).isNull());
        avatars.setClient(client.get());
        QVERIFY(!QFile::exists(folder(home) + "/3.png"));
        QVERIFY(!QFile::exists(folder(home) + "/4.png"));
        // What this run already shows stays.
        QVERIFY(!avatars.image(3).isNull());
        QCOMPARE(QSettings(folder(home) + "/cache.conf", QSettings::IniFormat).value("host").toString(),
                 QStringLiteral("127.0.0.1"));

        // The same server again keeps what it stored.
        QVERIFY(avatars.store(5, png(Qt::blue)));
        avatars.setClient(client.get());
        QVERIFY(QFile::exists(folder(home) + "/5.png"));
    }

    void hostileData_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("stored");
        QTest::newRow("a picture") << 9 << png(Qt::green) << true;
        QTest::newRow("not a picture") << 9 << QByteArray("<html>hello</html>") << false;
        QTest::newRow("empty") << 9 << QByteArray() << false;
        QTest::newRow("too large") << 9 << (png(Qt::green) + QByteArray(1024 * 1024, 'x')) << false;
        QTest::newRow("id zero") << 0 << png(Qt::green) << false;
        QTest::newRow("negative id") << -4 << png(Qt::green) << false;
    }

    void hostileData()
    {
        QFETCH(int, id);
        QFETCH(QByteArray, data);
        QFETCH(bool, stored);
        QTemporaryDir home;
        Avatars avatars(home.path());
        if (!stored)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        QCOMPARE(avatars.store(id, data), stored);
        QCOMPARE(QDir(folder(home)).entryList({"*.png"}, QDir::Files).size(), stored ? 1 : 0);
        QCOMPARE(avatars.imageIds().size(), stored ? 1 : 0);
        // Nothing lands beside the folder.
        QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 0);
    }

    void junkInTheFolder()
    {
        QTemporaryDir home;
        QDir().mkpath(folder(home));
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile file(folder(home) + "/" + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write("12.png", png(Qt::red));
        write("13.png", "garbage");
        write("abc.png", png(Qt::red));
        write("-3.png", png(Qt::red));
        write("014.png", png(Qt::red));
        write("15.png", QByteArray(2 * 1024 * 1024, '\x89'));
        write("cache.conf", QByteArray("\x00\xff[[[=\n\x01", 9));
        QDir().mkpath(folder(home) + "/16.png");
        Avatars avatars(home.path());
        QCOMPARE(avatars.imageIds(), QList<int>{12});
    }

    void anUnwritableFolderKeepsPicturesInMemory()
    {
        QTemporaryDir home;
        // A file where the folder should be: even root cannot write there.
        QFile blocker(home.path() + "/.velmora");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot make the cache folder"));
        Avatars avatars(home.path());
        QVERIFY(!avatars.isCacheWritable());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not write to"));
        QVERIFY(avatars.store(21, png(Qt::yellow)));
        QVERIFY(!avatars.image(21).isNull());
    }

    void onlyRealIdsAreAskedFor()
    {
        QTemporaryDir home;
        ScriptedHttpServer server;
        int getAvatar = 0;
        server.setHandler([&](const ScriptedHttpServer::Received& request) {
            if (request.body.contains("getAvatarList")) {
                const QVariantList list{QVariantMap{{"id", 3}, {"name", "three"}},
                                        QVariantMap{{"id", -1}, {"name", "minus"}},
                                        QVariantMap{{"id", 0}, {"name", "zero"}},
                                        QVariantMap{{"id", QString("../../x")}, {"name", "path"}},
                                        QVariantMap{{"name", "no id"}}};
                return ScriptedHttpServer::xml(xmlrpc::Response(xmlrpc::Variant(list)).toXml());
            }
            ++getAvatar;
            return ScriptedHttpServer::xml(
                xmlrpc::Response(xmlrpc::Variant(QVariantMap{{"image", png(Qt::cyan)}})).toXml());
        });
        QVERIFY(server.listen());
        auto client = clientFor(server.port());
        Avatars avatars(home.path());
        avatars.setClient(client.get());
        QVERIFY(avatars.image(0).isNull() && avatars.image(-1).isNull());
        QVERIFY(avatars.requested.isEmpty());
        QSignalSpy changed(&avatars, &AvatarManager::imageChanged);
        QSignalSpy list(&avatars, &AvatarManager::imageListChanged);
        avatars.update();
        QVERIFY(changed.wait(10000));
        QCOMPARE(list.size(), 1);
        QCOMPARE(avatars.requested, QList<int>{3});
        QCOMPARE(getAvatar, 1);
        QCOMPARE(changed.first().at(0).toInt(), 3);
        QCOMPARE(avatars.avatarName(3), QStringLiteral("three"));
        QCOMPARE(QDir(folder(home)).entryList({"*.png"}, QDir::Files), QStringList{"3.png"});

        // Two asks before an answer each go out; the picture arrives once per answer.
        avatars.requested.clear();
        QVERIFY(avatars.image(8).isNull());
        QVERIFY(avatars.image(8).isNull());
        QCOMPARE(avatars.requested, (QList<int>{8, 8}));
        QTRY_COMPARE(changed.size(), 3);
        QVERIFY(!avatars.image(8).isNull());
    }

    void picturesOfTheLocalServer()
    {
        QTemporaryDir data;
        QTemporaryDir home;
        PokerdProcess pokerd;
        QVERIFY(pokerd.start(data.path()));
        auto client = clientFor(pokerd.port());
        ServerCommand login(
            client.get(),
            {1,
             QStringList{"demo4", QCryptographicHash::hash("demo", QCryptographicHash::Sha1).toHex(),
                         "ff:ff:ff:ff:ff:04", "demo"},
             QString("en_US"), 0},
            "authenticate");
        QSignalSpy loggedIn(&login, &Command::done);
        login.exec();
        QVERIFY(loggedIn.wait(10000) && !login.hasError());
        Avatars avatars(home.path());
        avatars.setClient(client.get());
        QSignalSpy list(&avatars, &AvatarManager::imageListChanged);
        QSignalSpy changed(&avatars, &AvatarManager::imageChanged);
        avatars.update();
        QVERIFY(list.wait(10000));
        const QList<int> ids = avatars.avatarIds();
        QVERIFY(ids.size() >= 4);
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), ids.size(), 10000);
        for (int id : ids) {
            QVERIFY(!avatars.avatarImage(id).isNull());
            QVERIFY(!avatars.avatarName(id).isEmpty());
            QVERIFY(QFile::exists(folder(home) + QStringLiteral("/%1.png").arg(id)));
        }
        // The next run starts with them and asks for none.
        avatars.requested.clear();
        Avatars again(home.path());
        QCOMPARE(again.imageIds(), ids);
    }
};

QTEST_GUILESS_MAIN(TestAvatarManager)
#include "tst_avatarmanager.moc"
