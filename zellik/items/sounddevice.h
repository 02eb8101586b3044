#ifndef VESKGAMES_SOUNDDEVICE_H
#define VESKGAMES_SOUNDDEVICE_H

#include "zellik_export.h"

#include <QAudio>
#include <QAudioFormat>
#include <QObject>

#include <memory>

class QIODevice;

namespace VeskGames {

/// One sound being played: pulls samples from a source until it runs dry.
class ZELLIK_EXPORT SoundOutput : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void start(QIODevice* source) = 0;
    virtual void stop() = 0;

Q_SIGNALS:
    /// IdleState once every sample has been played.
    void stateChanged(QAudio::State state);
};

/// Where sounds go. The default is the system's audio output; another device
/// can stand in (for example in tests, where there may be no sound card).
class ZELLIK_EXPORT SoundDevice
{
public:
    virtual ~SoundDevice();

    virtual bool isFormatSupported(const QAudioFormat& format) const = 0;
    /// A new output owned by the caller.
    virtual SoundOutput* createOutput(const QAudioFormat& format) = 0;

    /// The default audio output as the system sees it now; it supports no
    /// format at all when there is no output device.
    static std::unique_ptr<SoundDevice> defaultOutput();
};

} // namespace VeskGames

#endif
