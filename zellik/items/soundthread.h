#ifndef VESKGAMES_SOUNDTHREAD_H
#define VESKGAMES_SOUNDTHREAD_H

#include "zellik_export.h"

#include <QAudio>
#include <QAudioFormat>
#include <QObject>
#include <QString>

#include <memory>

namespace VeskGames {

class SoundDevice;

/// Plays one short sound at a time from a headerless PCM file (44100 Hz,
/// mono, signed 16-bit little-endian). A plain object on the GUI thread: the
/// audio device does the streaming.
class ZELLIK_EXPORT SoundThread : public QObject
{
    Q_OBJECT

public:
    /// Plays through the default audio output.
    explicit SoundThread(QObject* parent = nullptr);
    explicit SoundThread(std::unique_ptr<SoundDevice> device, QObject* parent = nullptr);
    ~SoundThread() override;

    /// While a sound plays, a new one is dropped unless \a override, which
    /// stops the old one. Silent when the device cannot play the format.
    void playSound(const QString& fileName, bool override);

    bool isSupported() const;
    bool isPlaying() const;
    /// The file being played, empty when idle.
    QString currentFile() const;

    /// The one format of every sound file.
    static QAudioFormat soundFormat();

private Q_SLOTS:
    void finishedPlaying(QAudio::State state);

private:
    void initAudio(std::unique_ptr<SoundDevice> device);
    void createSound(const QString& fileName, bool override);
    void destroySound();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
