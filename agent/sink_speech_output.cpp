#include "agent/sink_speech_output.h"

#include "agent/one_time_notice.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <algorithm>
#include <cstdio>

namespace parlavo {

// The samples of one utterance, read by the sink as it needs them; tells once when the first of them leave.
class PcmSource final : public QBuffer {
public:
    PcmSource(const QByteArray& pcm, std::function<void()> onFirstRead, QObject* parent)
        : QBuffer(parent), onFirstRead_(std::move(onFirstRead)) {
        setData(pcm);
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 read = QBuffer::readData(data, maxSize);
        if (read > 0 && onFirstRead_)
            std::exchange(onFirstRead_, nullptr)();
        return read;
    }

private:
    std::function<void()> onFirstRead_;
};

namespace {

OneTimeNotice noSoundOutput("parlavo: no sound output could be opened; the bird speaks without sound");

constexpr qint64 kDrainMarginMs = 250;

QtMessageHandler passOn = nullptr;

void dropSoundSystemComplaints(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (passOn)
        passOn(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

// The first look for the default output starts the sound system, which complains on standard error when no sound
// server is running; our own notice says what matters, once.
QAudioDevice defaultOutputQuietly() {
    static bool soundSystemStarted = false;
    if (std::exchange(soundSystemStarted, true))
        return QMediaDevices::defaultAudioOutput();
    passOn = qInstallMessageHandler(dropSoundSystemComplaints);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(passOn);
    return device;
}

} // namespace

SinkSpeechOutput::SinkSpeechOutput(const Clock& clock, DeviceSource device, QObject* parent)
    : SpeechOutput(parent), clock_(clock), device_(std::move(device)) {
    if (!device_)
        device_ = &defaultOutputQuietly;
    drainTimer_.setSingleShot(true);
    connect(&drainTimer_, &QTimer::timeout, this, &SinkSpeechOutput::onDrained);
}

SinkSpeechOutput::~SinkSpeechOutput() {
    retireSink();
}

void SinkSpeechOutput::start(const Utterance& utterance) {
    retireSink();
    durationMs_ = utterance.durationMs;
    if (utterance.pcm.isEmpty()) { // the voice itself had no sound and has said so
        playSilently(0);
        return;
    }
    const QAudioDevice device = device_();
    if (device.isNull()) {
        noSoundOutput.show();
        playSilently(0);
        return;
    }

    QAudioFormat format;
    format.setSampleRate(utterance.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    auto* sink = new QAudioSink(device, format, this);
    source_ = new PcmSource(
        utterance.pcm, [this] { emit soundStarted(); }, sink);
    connect(sink, &QAudioSink::stateChanged, this, &SinkSpeechOutput::onSinkStateChanged);
    sink_ = sink;
    mode_ = Mode::Sound;
    sink->start(source_);
    if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
        retireSink();
        noSoundOutput.show();
        playSilently(0);
    }
}

void SinkSpeechOutput::stop() {
    retireSink();
    mode_ = Mode::Stopped;
}

qint64 SinkSpeechOutput::playedMs() const {
    switch (mode_) {
    case Mode::Sound:
        return std::min(durationMs_, sink_->processedUSecs() / 1000);
    case Mode::Silent:
        return std::min(durationMs_, clock_.nowMs() - silentStartMs_);
    case Mode::Played:
        return durationMs_;
    case Mode::Stopped:
        break;
    }
    return 0;
}

void SinkSpeechOutput::playSilently(qint64 fromMs) {
    mode_ = Mode::Silent;
    silentStartMs_ = clock_.nowMs() - fromMs;
}

void SinkSpeechOutput::retireSink() {
    drainTimer_.stop();
    if (!sink_)
        return;
    sink_->disconnect(this);
    sink_->stop();
    sink_->deleteLater();
    sink_ = nullptr;
}

void SinkSpeechOutput::onSinkStateChanged() {
    if (!sink_)
        return;
    if (sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError) {
        const qint64 reached = playedMs();
        retireSink();
        noSoundOutput.show();
        playSilently(reached);
    } else if (sink_->state() == QAudio::IdleState && source_ && source_->atEnd() && !drainTimer_.isActive()) {
        // Everything is handed over, but the sink's buffer still holds the end of the line: stopping now would
        // cut it off. Give it the buffer's length, and a little more, to play out.
        const QAudioFormat format = sink_->format();
        const qint64 bufferMs = format.durationForBytes(int(sink_->bufferSize())) / 1000;
        drainTimer_.start(int(bufferMs + kDrainMarginMs));
    }
}

void SinkSpeechOutput::onDrained() {
    retireSink();
    mode_ = Mode::Played;
}

} // namespace parlavo
