#ifndef VESKGAMES_ABSTRACTIMAGEMANAGER_H
#define VESKGAMES_ABSTRACTIMAGEMANAGER_H

#include "zellik_export.h"

#include <QDir>
#include <QImage>
#include <QObject>

#include <memory>

namespace VeskGames {

class Client;
class Command;
class ServerCommand;

/// Pictures the server owns, fetched once and kept on disk between runs:
/// one folder per category under the user's home, keyed by a positive id.
class ZELLIK_EXPORT AbstractImageManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaximumAgeDays = 30;
    /// Larger answers are not pictures we asked for.
    static constexpr qsizetype MaximumImageBytes = 1024 * 1024;

    /// \a home is the folder the category folder goes under; empty: the user's home.
    explicit AbstractImageManager(const QString& category, QObject* parent = nullptr,
                                  const QString& home = QString());
    ~AbstractImageManager() override;

    /// The picture, or a null image while it is fetched (imageChanged() follows).
    QImage image(int id);
    QList<int> imageIds() const;
    QString imageName(int id) const;
    void setClient(Client* client);
    Client* client() const;
    QDir cacheDir() const;
    QString category() const;
    /// False when the folder cannot be written: pictures then live in memory only.
    bool isCacheWritable() const;

Q_SIGNALS:
    void imageChanged(int id);
    void imageListChanged();

protected:
    bool hasImageInCache(int id) const;
    void allocateCacheSlot(int id, const QString& name);
    /// Keeps \a data when it is a picture of sensible size; false otherwise.
    bool addImageDataToCache(int id, const QByteArray& data);
    void setCacheName(int id, const QString& name);
    void cleanCacheNames();
    virtual void requestImage(int id) = 0;
    /// The list answer of \a command: names recorded, missing pictures
    /// requested, imageListChanged(); the command is deleted later.
    void takeImageList(Command* command);
    /// Asks for one picture with \a method, tagging the command with \a idProperty.
    ServerCommand* askForImage(const QString& method, int id, const char* idProperty);
    /// The picture answer of \a command tagged with \a idProperty; imageChanged() when kept.
    void takeImage(Command* command, const char* idProperty);
    /// Removes what was not used for too long, or belongs to another server.
    void reduceCache();
    /// For subclasses' destructors: ageing at the end of a run follows only the date rule.
    void forgetClient();

private:
    void touch(int id);
    void loadCache();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
