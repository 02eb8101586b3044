#ifndef VESKGAMES_CURRENTUPDATER_H
#define VESKGAMES_CURRENTUPDATER_H

#include <QObject>
#include <QUrl>

#include <memory>

namespace VeskGames {

class UpdaterPlatform;

/// One updatable component: asks the update server for a newer release,
/// fetches the updater program's release when there is one, and hands over
/// to it.
class CurrentUpdater : public QObject
{
    Q_OBJECT

public:
    enum State { CheckingVersion = 0, FetchingManifest = 1, ProcessingManifest = 2 };
    Q_ENUM(State)

    explicit CurrentUpdater(QObject* parent = nullptr);
    ~CurrentUpdater() override;

    void setUrl(const QUrl& url);
    QUrl url() const;
    void setComponent(const QString& component);
    QString component() const;
    void setVersion(const QString& version);
    QString version() const;
    /// Native separators become "/", and a trailing "/" is added.
    void setBaseDir(const QString& baseDir);
    QString baseDir() const;
    void setTag(const QString& tag);
    QString tag() const;
    /// Not owned; the system's own when not set.
    void setPlatform(UpdaterPlatform* platform);
    UpdaterPlatform* platform() const;

    /// The program's own version, as "a.b.c.d".
    static QString currentVersion();

    void checkForUpdate();
    void prepareUpdate();
    /// The arguments the updater program was started with; empty when it
    /// could not be started.
    QStringList startUpdater(const QString& program, const QString& arguments, bool autoRestart);

public Q_SLOTS:
    void manifest(QByteArray manifest);

Q_SIGNALS:
    /// The download's progress, the updater program's included.
    void downloadSize(quint64 total);
    void downloadedBytes(quint64 bytes);
    void noUpdateAvailable();
    void updateAvailable(QString version, QString changeLog);
    void updateReady();
    void updateFailed();
    void stateChanged(VeskGames::CurrentUpdater::State state);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
