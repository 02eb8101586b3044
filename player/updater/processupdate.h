#ifndef VESKGAMES_PROCESSUPDATE_H
#define VESKGAMES_PROCESSUPDATE_H

#include <QObject>

#include <memory>

class QNetworkAccessManager;

namespace VeskGames {

/// Brings an installation folder to a release: compares the manifest with
/// the folder, fetches what is new or changed (each file checked against its
/// digest, at most three tries), then installs the files, each replacing its
/// old version only when complete.
class ProcessUpdate : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaximumAttempts = 3;

    /// \a baseDir with a trailing "/"; \a userAgent as "component/version".
    ProcessUpdate(const QByteArray& manifest, const QString& baseDir, const QString& userAgent,
                  QObject* parent = nullptr);
    ~ProcessUpdate() override;

    void setNetworkAccessManager(QNetworkAccessManager* manager);
    /// A pause after each piece of a file written: room for tests to stop an
    /// installation in the middle of a file.
    void setWritePause(int ms);

public Q_SLOTS:
    void start();
    void downloadNextFile();
    void slotReplyReadyRead();
    void slotReplyFinished();

Q_SIGNALS:
    void processXMLfailed();
    void processDownloadFailed();
    void processSuccessful();
    void processFailed();
    void downloadSize(quint64 total);
    void downloadFile(QString name);
    /// A negative amount, in two's complement, takes bytes back.
    void downloadedBytes(quint64 bytes);
    void updatingFile(QString name);

private:
    void install();
    /// Where \a name goes, or empty when it would lie outside the folder.
    QString targetOf(const QString& name) const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
