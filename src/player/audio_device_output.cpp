#include "player/audio_device_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

namespace player {

namespace {

// The device pulls samples from the mixer through this.
class MixerSource : public QIODevice {
public:
    explicit MixerSource(SoundMixer& mixer) : mixer_(mixer) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 4096 + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const size_t frames = size_t(maxSize) / 4;
        mixer_.Mix(reinterpret_cast<int16_t*>(data), frames);
        return qint64(frames * 4);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    SoundMixer& mixer_;
};

} // namespace

AudioDeviceOutput::AudioDeviceOutput() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(kRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;
    source_ = std::make_unique<MixerSource>(*this);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(kRate / 10 * 4);
    sink_->start(source_.get());
}

AudioDeviceOutput::~AudioDeviceOutput() {
    if (sink_)
        sink_->stop();
    sink_.reset();
    source_.reset();
}

} // namespace player
