#include "soundthread.h"

#include "sounddevice.h"

#include <QFile>

namespace VeskGames {

class SoundThread::Private
{
public:
    bool supported = false;
    std::unique_ptr<SoundDevice> device;
    QAudioFormat format;
    SoundOutput* output = nullptr;
    QFile* file = nullptr;
};

SoundThread::SoundThread(QObject* parent) : SoundThread(SoundDevice::defaultOutput(), parent) {}

SoundThread::SoundThread(std::unique_ptr<SoundDevice> device, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    initAudio(std::move(device));
}

SoundThread::~SoundThread()
{
    destroySound();
}

QAudioFormat SoundThread::soundFormat()
{
    // Qt 6 formats carry no byte order: samples are in the machine's order,
    // which matches the little-endian files on every platform we ship for.
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

void SoundThread::initAudio(std::unique_ptr<SoundDevice> device)
{
    d->output = nullptr;
    d->file = nullptr;
    d->format = soundFormat();
    d->device = std::move(device);
    d->supported = d->device && d->device->isFormatSupported(d->format);
}

bool SoundThread::isSupported() const
{
    return d->supported;
}

bool SoundThread::isPlaying() const
{
    return d->output != nullptr;
}

QString SoundThread::currentFile() const
{
    return d->file ? d->file->fileName() : QString();
}

void SoundThread::playSound(const QString& fileName, bool override)
{
    if (d->supported)
        createSound(fileName, override);
}

void SoundThread::createSound(const QString& fileName, bool override)
{
    if (override)
        destroySound();
    if (d->output)
        return; // one sound at a time: this one is dropped

    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly))
        return;
    d->output = d->device->createOutput(d->format);
    // Ours until deleted, even if that is after the event loop has stopped;
    // the file goes with its output.
    d->output->setParent(this);
    file->setParent(d->output);
    d->file = file.release();
    connect(d->output, &SoundOutput::stateChanged, this, &SoundThread::finishedPlaying);
    d->output->start(d->file);
}

void SoundThread::finishedPlaying(QAudio::State state)
{
    if (state != QAudio::IdleState || !d->output || sender() != d->output)
        return;
    // Called from the output's own signal: it must outlive this call.
    SoundOutput* done = d->output;
    d->output = nullptr;
    d->file = nullptr;
    done->disconnect(this);
    done->stop();
    done->deleteLater();
}

void SoundThread::destroySound()
{
    if (!d->output)
        return;
    SoundOutput* old = d->output;
    d->output = nullptr;
    d->file = nullptr;
    old->disconnect(this);
    old->stop();
    delete old;
}

} // namespace VeskGames
