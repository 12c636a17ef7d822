#include "agent/voice/sink_speech_output.h"

#include "agent/voice/one_time_notice.h"
#include "agent/voice/sound_server_probe.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <atomic>

namespace parlavo {

namespace {

OneTimeNotice noSoundOutput("parlavo: no sound output could be opened; the bird speaks without sound");

constexpr int kServerProbeMs = 2000;
constexpr int kConnectWaitMs = 2000; // for the server to accept the connection, or a line's stream
constexpr unsigned long kConnectPollMs = 5;

// Whether to try the sound server for a line. Until the server has answered once, each line looks again, with a time
// limit, so a server that comes later is found and one that never answers holds nothing up.
bool serverMayAnswer() {
    static std::atomic<bool> answered = false;
    if (!answered && soundServerAnswers(kServerProbeMs))
        answered = true;
    return answered;
}

enum class LineState { Opening, Playing, Played, Failed };

} // namespace

class SoundPlayer;

struct SinkSpeechOutput::Shared {
    QMutex lock;
    QWaitCondition changed;
    quint64 line = 0; // the line the report is about
    LineState state = LineState::Played;
    qint64 playedMs = 0;               // how far a failed or played line got
    qint64 startedMs = -1;             // clock time at which the server started playing the line
    SinkSpeechOutput* owner = nullptr; // null once the output is gone

    std::unique_ptr<SoundPlayer> player; // made, used and destroyed on the sound thread
};

// Plays one line after another straight on the PulseAudio server, and reports on them. A line is handed over whole,
// in a stream whose buffer holds all of it, so nothing here wakes while it plays: the server says when it started
// and when it drained, and the position in between is the time since it started. Its methods run on the sound
// thread; the server's answers come on the connection's own thread, under its lock.
class SoundPlayer final {
public:
    SoundPlayer(const Clock& clock, SinkSpeechOutput::ServerCheck serverMayAnswer, SinkSpeechOutput::Shared& shared)
        : clock_(clock), serverMayAnswer_(std::move(serverMayAnswer)), shared_(shared) {}
    ~SoundPlayer() { disconnect(); }
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(quint64 line, const Utterance& utterance);
    void stop(quint64 line);

private:
    bool connected();
    void disconnect();
    void stopStream();
    void retireStream();
    template <typename Ready> bool waitFor(Ready ready);
    void report(LineState state, qint64 playedMs, qint64 startedMs = -1);
    qint64 reached() const;

    static void onStreamState(pa_stream* stream, void* player);
    static void onStarted(pa_stream* stream, void* player);
    static void onDrained(pa_stream* stream, int success, void* player);

    const Clock& clock_;
    SinkSpeechOutput::ServerCheck serverMayAnswer_;
    SinkSpeechOutput::Shared& shared_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    quint64 line_ = 0;
    qint64 durationMs_ = 0;
    qint64 startedMs_ = -1;
};

// The connection to the server is kept from line to line; one that failed is dropped and made again for the next.
bool SoundPlayer::connected() {
    if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY)
        return true;
    disconnect();
    if (!serverMayAnswer_())
        return false;
    loop_ = pa_threaded_mainloop_new();
    if (!loop_ || pa_threaded_mainloop_start(loop_) < 0)
        return false;
    pa_threaded_mainloop_lock(loop_);
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Parlavo");
    const bool asked = context_ && pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
    const bool ready = asked && waitFor([this] {
                           const pa_context_state_t state = pa_context_get_state(context_);
                           return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
                       }) &&
                       pa_context_get_state(context_) == PA_CONTEXT_READY;
    pa_threaded_mainloop_unlock(loop_);
    return ready;
}

void SoundPlayer::disconnect() {
    if (!loop_)
        return;
    pa_threaded_mainloop_lock(loop_);
    retireStream();
    if (context_) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    pa_threaded_mainloop_unlock(loop_);
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
}

// Waits, with the connection's lock held, until ready() says so or the time is up. The server may stop answering at
// any moment, so the wait is a bounded look every few milliseconds rather than one that could last for ever.
template <typename Ready> bool SoundPlayer::waitFor(Ready ready) {
    const QDeadlineTimer deadline(kConnectWaitMs);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        pa_threaded_mainloop_unlock(loop_);
        QThread::msleep(kConnectPollMs);
        pa_threaded_mainloop_lock(loop_);
    }
    return true;
}

void SoundPlayer::play(quint64 line, const Utterance& utterance) {
    stopStream();
    line_ = line;
    durationMs_ = utterance.durationMs;
    startedMs_ = -1;
    report(LineState::Opening, 0);
    if (!connected()) {
        report(LineState::Failed, 0);
        return;
    }
    pa_threaded_mainloop_lock(loop_);
    const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(utterance.sampleRate), 1};
    const auto bytes = uint32_t(utterance.pcm.size());
    // The whole line fits in the server's buffer, and the server asks for more only once all of it has played.
    const pa_buffer_attr buffer{bytes, bytes, uint32_t(-1), bytes, uint32_t(-1)};
    stream_ = pa_stream_new(context_, "speech", &spec, nullptr);
    bool playing = false;
    if (stream_) {
        pa_stream_set_state_callback(stream_, &SoundPlayer::onStreamState, this);
        pa_stream_set_started_callback(stream_, &SoundPlayer::onStarted, this);
        playing = pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr) >= 0 &&
                  waitFor([this] {
                      const pa_stream_state_t state = pa_stream_get_state(stream_);
                      return state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state);
                  }) &&
                  pa_stream_get_state(stream_) == PA_STREAM_READY &&
                  pa_stream_write(stream_, utterance.pcm.constData(), bytes, nullptr, 0, PA_SEEK_RELATIVE) >= 0;
    }
    if (playing) {
        if (pa_operation* drain = pa_stream_drain(stream_, &SoundPlayer::onDrained, this))
            pa_operation_unref(drain);
        report(LineState::Playing, 0, startedMs_);
    } else {
        retireStream();
        report(LineState::Failed, 0);
    }
    pa_threaded_mainloop_unlock(loop_);
}

void SoundPlayer::stop(quint64 line) {
    if (line == line_)
        stopStream();
}

void SoundPlayer::stopStream() {
    if (!loop_)
        return;
    pa_threaded_mainloop_lock(loop_);
    retireStream();
    pa_threaded_mainloop_unlock(loop_);
}

// With the connection's lock held.
void SoundPlayer::retireStream() {
    if (!stream_)
        return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_started_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void SoundPlayer::report(LineState state, qint64 playedMs, qint64 startedMs) {
    QMutexLocker locked(&shared_.lock);
    shared_.line = line_;
    shared_.state = state;
    shared_.playedMs = playedMs;
    shared_.startedMs = startedMs;
    shared_.changed.wakeAll();
}

qint64 SoundPlayer::reached() const {
    return startedMs_ < 0 ? 0 : std::min(durationMs_, clock_.nowMs() - startedMs_);
}

void SoundPlayer::onStreamState(pa_stream* stream, void* data) {
    auto* player = static_cast<SoundPlayer*>(data);
    if (stream == player->stream_ && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        player->report(LineState::Failed, player->reached());
}

void SoundPlayer::onStarted(pa_stream* stream, void* data) {
    auto* player = static_cast<SoundPlayer*>(data);
    if (stream != player->stream_ || player->startedMs_ >= 0)
        return;
    player->startedMs_ = player->clock_.nowMs();
    player->report(LineState::Playing, 0, player->startedMs_);
    QMutexLocker locked(&player->shared_.lock);
    if (SinkSpeechOutput* owner = player->shared_.owner)
        QMetaObject::invokeMethod(owner, [owner] { emit owner->soundStarted(); });
}

void SoundPlayer::onDrained(pa_stream* stream, int success, void* data) {
    auto* player = static_cast<SoundPlayer*>(data);
    if (success && stream == player->stream_)
        player->report(LineState::Played, player->durationMs_, player->startedMs_);
}

SinkSpeechOutput::SinkSpeechOutput(const Clock& clock, ServerCheck serverCheck, QObject* parent)
    : SpeechOutput(parent), clock_(clock), shared_(std::make_shared<Shared>()) {
    if (!serverCheck)
        serverCheck = &serverMayAnswer;
    shared_->owner = this;
    thread_.post([shared = shared_, &clock, serverCheck = std::move(serverCheck)] {
        shared->player = std::make_unique<SoundPlayer>(clock, serverCheck, *shared);
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
        if (shared_->line != line_ || shared_->startedMs < 0)
            return 0;
        return std::min(durationMs_, clock_.nowMs() - shared_->startedMs);
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
