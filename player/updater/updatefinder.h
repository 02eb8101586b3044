#ifndef VESKGAMES_UPDATEFINDER_H
#define VESKGAMES_UPDATEFINDER_H

#include <QObject>
#include <QVariant>

#include <memory>

namespace VeskGames {

class CurrentUpdater;

/// One query to the update server for the updater that owns it: whether a
/// newer release exists, or the release's manifest.
class UpdateFinder : public QObject
{
    Q_OBJECT

public:
    enum Kind { CurrentVersion = 0, Manifest = 1 };

    UpdateFinder(Kind kind, CurrentUpdater* parent);
    ~UpdateFinder() override;

    Kind kind() const;
    /// The query's one struct: component, version, platform and a tag if any.
    QVariantMap query() const;

public Q_SLOTS:
    void start();
    void done(int requestId, QVariant res);
    void failed(int requestId, int faultCode, QString faultString);

Q_SIGNALS:
    void manifest(QByteArray manifest);
    void manifestFailed(int faultCode);
    void currentVersionUnavailable();
    void currentVersionAvailable(QString version, QString changeLog);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
