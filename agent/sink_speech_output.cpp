#include "agent/sink_speech_output.h"

#include "agent/one_time_notice.h"
#include "agent/sound_server_probe.h"

#include <QAudioSink>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QMutex>
#include <QPointer>
#include <QTimer>
#include <QWaitCondition>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>

namespace parlavo {

namespace {

OneTimeNotice noSoundOutput("parlavo: no sound output could be opened; the bird speaks without sound");

constexpr qint64 kDrainMarginMs = 250;
constexpr int kProgressMs = 40; // how often the sound thread reports how far the sink has got
constexpr int kServerProbeMs = 2000;

QtMessageHandler passOn = nullptr;

// The sound system has its own words on standard error for a missing or failing sound server, each time it tries
// again; our own notice says what matters, once.
void dropSoundSystemComplaints(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool fromSoundSystem = text.startsWith(QLatin1String("PulseAudioService:")) ||
                                 text.startsWith(QLatin1String("\"Stream error:")) ||
                                 text.startsWith(QLatin1String("Stream error:")) ||
                                 (context.category && std::strncmp(context.category, "qt.multimedia", 13) == 0);
    if (fromSoundSystem && type != QtFatalMsg)
        return;
    if (passOn)
        passOn(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

void quietenSoundSystem() {
    static const bool installed = [] {
        passOn = qInstallMessageHandler(dropSoundSystemComplaints);
        return true;
    }();
    Q_UNUSED(installed);
}

// The system's default output, on the sound thread. The sound system is only started once the sound server has
// answered: until then each line looks again, so a server that comes later is found.
QAudioDevice defaultOutput() {
    static std::atomic<bool> soundSystemStarted = false;
    if (!soundSystemStarted && !soundServerAnswers(kServerProbeMs))
        return {};
    soundSystemStarted = true;
    return QMediaDevices::defaultAudioOutput();
}

enum class LineState { Opening, Playing, Played, Failed };

} // namespace

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

// Plays one line after another on the sound thread, where it lives, and reports on them.
class SoundPlayer final : public QObject {
public:
    SoundPlayer(SinkSpeechOutput::DeviceSource device, SinkSpeechOutput::Shared& shared);
    ~SoundPlayer() override { retireSink(); }

    void play(quint64 line, const Utterance& utterance);
    void stop(quint64 line);

private:
    void report(LineState state, qint64 playedMs);
    qint64 sinkPlayedMs() const { return std::min(durationMs_, sink_->processedUSecs() / 1000); }
    void retireSink();
    void onSinkStateChanged();

    SinkSpeechOutput::DeviceSource device_;
    SinkSpeechOutput::Shared& shared_;
    QPointer<QAudioSink> sink_;
    QPointer<PcmSource> source_;
    QTimer drainTimer_; // from the last sample handed over until the sink has played it
    QTimer progressTimer_;
    quint64 line_ = 0;
    qint64 durationMs_ = 0;
};

struct SinkSpeechOutput::Shared {
    QMutex lock;
    QWaitCondition changed;
    quint64 line = 0; // the line the report is about
    LineState state = LineState::Played;
    qint64 playedMs = 0;
    SinkSpeechOutput* owner = nullptr; // null once the output is gone

    std::unique_ptr<SoundPlayer> player; // made, used and destroyed on the sound thread
};

SoundPlayer::SoundPlayer(SinkSpeechOutput::DeviceSource device, SinkSpeechOutput::Shared& shared)
    : device_(std::move(device)), shared_(shared) {
    drainTimer_.setSingleShot(true);
    connect(&drainTimer_, &QTimer::timeout, this, [this] {
        retireSink();
        report(LineState::Played, durationMs_);
    });
    progressTimer_.setInterval(kProgressMs);
    connect(&progressTimer_, &QTimer::timeout, this, [this] {
        if (sink_)
            report(LineState::Playing, sinkPlayedMs());
    });
    // Connecting to the sound server takes a moment; doing it now keeps the first line from waiting for it.
    device_();
}

void SoundPlayer::play(quint64 line, const Utterance& utterance) {
    retireSink();
    line_ = line;
    durationMs_ = utterance.durationMs;
    report(LineState::Opening, 0);
    const QAudioDevice device = device_();
    if (device.isNull()) {
        report(LineState::Failed, 0);
        return;
    }

    QAudioFormat format;
    format.setSampleRate(utterance.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    auto* sink = new QAudioSink(device, format, this);
    source_ = new PcmSource(
        utterance.pcm,
        [this] {
            QMutexLocker locked(&shared_.lock);
            if (SinkSpeechOutput* owner = shared_.owner)
                QMetaObject::invokeMethod(owner, [owner] { emit owner->soundStarted(); });
        },
        sink);
    connect(sink, &QAudioSink::stateChanged, this, &SoundPlayer::onSinkStateChanged);
    sink_ = sink;
    sink->start(source_);
    if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
        retireSink();
        report(LineState::Failed, 0);
        return;
    }
    report(LineState::Playing, 0);
    progressTimer_.start();
}

void SoundPlayer::stop(quint64 line) {
    if (line == line_)
        retireSink();
}

void SoundPlayer::report(LineState state, qint64 playedMs) {
    QMutexLocker locked(&shared_.lock);
    shared_.line = line_;
    shared_.state = state;
    shared_.playedMs = playedMs;
    shared_.changed.wakeAll();
}

void SoundPlayer::retireSink() {
    drainTimer_.stop();
    progressTimer_.stop();
    if (!sink_)
        return;
    sink_->disconnect(this);
    sink_->stop();
    sink_->deleteLater();
    sink_ = nullptr;
}

void SoundPlayer::onSinkStateChanged() {
    if (!sink_)
        return;
    if (sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError) {
        const qint64 reached = sinkPlayedMs();
        retireSink();
        report(LineState::Failed, reached);
    } else if (sink_->state() == QAudio::IdleState && source_ && source_->atEnd() && !drainTimer_.isActive()) {
        // Everything is handed over, but the sink's buffer still holds the end of the line: stopping now would
        // cut it off. Give it the buffer's length, and a little more, to play out.
        const QAudioFormat format = sink_->format();
        const qint64 bufferMs = format.durationForBytes(int(sink_->bufferSize())) / 1000;
        drainTimer_.start(int(bufferMs + kDrainMarginMs));
    }
}

SinkSpeechOutput::SinkSpeechOutput(const Clock& clock, DeviceSource device, QObject* parent)
    : SpeechOutput(parent), clock_(clock), shared_(std::make_shared<Shared>()) {
    quietenSoundSystem();
    if (!device)
        device = &defaultOutput;
    shared_->owner = this;
    thread_.post([shared = shared_, device = std::move(device)] {
        shared->player = std::make_unique<SoundPlayer>(device, *shared);
    });
}

SinkSpeechOutput::~SinkSpeechOutput() {
    {
        QMutexLocker locked(&shared_->lock);
        shared_->owner = nullptr;
    }
    thread_.post([shared = shared_] { shared->player.reset(); });
}

void SinkSpeechOutput::start(const Utterance& utterance) {
    stop();
    durationMs_ = utterance.durationMs;
    requestedMs_ = clock_.nowMs();
    if (utterance.pcm.isEmpty()) { // the voice itself had no sound and has said so
        playSilently(0);
        return;
    }
    if (playerIsBusy()) { // still on an earlier line, so stuck in the sound system
        noSoundOutput.show();
        playSilently(0);
        return;
    }

    const quint64 line = ++line_;
    mode_ = Mode::Sound;
    thread_.post([shared = shared_, line, utterance] { shared->player->play(line, utterance); });
    const QDeadlineTimer deadline(kOpenWaitMs);
    QMutexLocker locked(&shared_->lock);
    while (shared_->line != line || shared_->state == LineState::Opening) {
        if (!shared_->changed.wait(&shared_->lock, deadline))
            break;
    }
}

void SinkSpeechOutput::stop() {
    if (mode_ == Mode::Sound)
        thread_.post([shared = shared_, line = line_] { shared->player->stop(line); });
    mode_ = Mode::Stopped;
}

qint64 SinkSpeechOutput::playedMs() const {
    catchUp();
    switch (mode_) {
    case Mode::Sound: {
        QMutexLocker locked(&shared_->lock);
        return shared_->line == line_ ? std::min(durationMs_, shared_->playedMs) : 0;
    }
    case Mode::Silent:
        return std::min(durationMs_, clock_.nowMs() - silentStartMs_);
    case Mode::Played:
        return durationMs_;
    case Mode::Stopped:
        break;
    }
    return 0;
}

void SinkSpeechOutput::catchUp() const {
    if (mode_ != Mode::Sound)
        return;
    QMutexLocker locked(&shared_->lock);
    const bool opening = shared_->line != line_ || shared_->state == LineState::Opening;
    if (opening && clock_.nowMs() - requestedMs_ >= kOpenDeadlineMs) {
        locked.unlock();
        thread_.post([shared = shared_, line = line_] { shared->player->stop(line); });
        noSoundOutput.show();
        playSilently(0);
    } else if (!opening && shared_->state == LineState::Failed) {
        const qint64 reached = shared_->playedMs;
        locked.unlock();
        noSoundOutput.show();
        // A line that never made a sound is timed from when it was asked for, as if it had been silent all along.
        if (reached > 0)
            playSilently(reached);
        else
            silentFrom(requestedMs_);
    } else if (!opening && shared_->state == LineState::Played) {
        mode_ = Mode::Played;
    }
}

void SinkSpeechOutput::playSilently(qint64 fromMs) const {
    silentFrom(clock_.nowMs() - fromMs);
}

void SinkSpeechOutput::silentFrom(qint64 startMs) const {
    mode_ = Mode::Silent;
    silentStartMs_ = startMs;
}

bool SinkSpeechOutput::playerIsBusy() const {
    QMutexLocker locked(&shared_->lock);
    return shared_->line != line_ || shared_->state == LineState::Opening;
}

} // namespace parlavo
