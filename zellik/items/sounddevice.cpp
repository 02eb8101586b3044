#include "sounddevice.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

namespace VeskGames {

namespace {

class AudioSinkOutput : public SoundOutput
{
public:
    AudioSinkOutput(const QAudioDevice& device, const QAudioFormat& format)
        : m_sink(new QAudioSink(device, format, this))
    {
        connect(m_sink, &QAudioSink::stateChanged, this, &SoundOutput::stateChanged);
    }

    void start(QIODevice* source) override { m_sink->start(source); }
    void stop() override { m_sink->stop(); }

private:
    QAudioSink* m_sink;
};

class AudioSinkDevice : public SoundDevice
{
public:
    explicit AudioSinkDevice(const QAudioDevice& device) : m_device(device) {}

    bool isFormatSupported(const QAudioFormat& format) const override
    {
        return !m_device.isNull() && m_device.isFormatSupported(format);
    }

    SoundOutput* createOutput(const QAudioFormat& format) override
    {
        return new AudioSinkOutput(m_device, format);
    }

private:
    QAudioDevice m_device;
};

} // namespace

SoundDevice::~SoundDevice() = default;

std::unique_ptr<SoundDevice> SoundDevice::defaultOutput()
{
    return std::make_unique<AudioSinkDevice>(QMediaDevices::defaultAudioOutput());
}

} // namespace VeskGames
