#include "gui/audio/TonePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {
constexpr int kSampleRate = 22050;
constexpr double kMaxNoteMs = 30000; // a stored duration cannot ask for more than half a minute

QByteArray squareWave(const std::vector<ToneNote>& notes, QAudioFormat::SampleFormat format)
{
    std::vector<float> samples;
    for (const ToneNote& n : notes) {
        const auto count = std::size_t(std::clamp(n.durationMs, 0.0, kMaxNoteMs) * kSampleRate / 1000.0);
        const double period = n.frequency > 0 ? kSampleRate / n.frequency : 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (period <= 0) {
                samples.push_back(0);
                continue;
            }
            const double phase = std::fmod(double(i), period) / period;
            samples.push_back(phase < n.duty ? 0.25f : -0.25f);
        }
    }
    QByteArray bytes;
    if (format == QAudioFormat::Float) {
        bytes.resize(qsizetype(samples.size() * sizeof(float)));
        std::copy(samples.begin(), samples.end(), reinterpret_cast<float*>(bytes.data()));
    } else {
        bytes.resize(qsizetype(samples.size() * sizeof(qint16)));
        auto* out = reinterpret_cast<qint16*>(bytes.data());
        for (std::size_t i = 0; i < samples.size(); ++i)
            out[i] = qint16(samples[i] * 32767);
    }
    return bytes;
}
} // namespace

TonePlayer::TonePlayer(QObject* parent)
    : QObject(parent)
{
}

TonePlayer::~TonePlayer()
{
    stop();
}

bool TonePlayer::audioAvailable()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

ToneNote TonePlayer::fromTiming(const ToneTiming& timing)
{
    const ToneSound s = toneSound(timing);
    return {s.frequency, s.durationMs, s.duty > 0 ? s.duty : 0.5};
}

bool TonePlayer::play(const std::vector<ToneNote>& notes)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        format.setSampleFormat(QAudioFormat::Float);
        if (!device.isFormatSupported(format))
            return false;
    }
    buffer_ = new QBuffer(this);
    buffer_->setData(squareWave(notes, format.sampleFormat()));
    buffer_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, format, this);
    connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState) {
            stop();
            emit finished();
        }
    });
    sink_->start(buffer_);
    if (sink_ && sink_->error() != QAudio::NoError) {
        stop();
        return false;
    }
    return true;
}

void TonePlayer::stop()
{
    if (sink_) {
        QAudioSink* sink = sink_;
        sink_ = nullptr;
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
    }
    if (buffer_) {
        buffer_->deleteLater();
        buffer_ = nullptr;
    }
}

bool TonePlayer::isPlaying() const
{
    return sink_ != nullptr;
}

} // namespace tarvel
