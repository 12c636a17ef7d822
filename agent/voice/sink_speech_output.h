#pragma once

#include "agent/clock.h"
#include "agent/voice/speech_output.h"
#include "agent/voice/worker_thread.h"

#include <functional>
#include <memory>

namespace parlavo {

// Plays speech on the PulseAudio server and takes the position from when the server started playing it. Every call
// to the sound system is made on a thread of its own: connecting can hang when the sound server is failing, and the
// interface must go on meanwhile. Without a device, when the sink will not start or not in time, or when the sound
// server goes away in the middle of a line, the rest of the utterance plays silently by the clock, so the beak and
// the balloon go on; standard error is told once. The next line tries the sound again.
class SinkSpeechOutput final : public SpeechOutput {
    Q_OBJECT
public:
    using ServerCheck = std::function<bool()>;

    // How long start() waits for the sound thread to open the device (it normally takes a few milliseconds), and how
    // long a line waits for it in all before it goes on silently.
    static constexpr int kOpenWaitMs = 100;
    static constexpr qint64 kOpenDeadlineMs = 1000;

    // serverCheck: whether to try the sound server for a line, asked on the sound thread; a look at the server with a
    // time limit, until it has answered once, unless a test says otherwise.
    explicit SinkSpeechOutput(const Clock& clock, ServerCheck serverCheck = {}, QObject* parent = nullptr);
    // Waits a moment for the sound thread; one stuck in the sound system is left behind.
    ~SinkSpeechOutput() override;

    void start(const Utterance& utterance) override;
    void stop() override;
    qint64 playedMs() const override;

    struct Shared; // what the sound thread reports, and the player that lives there

private:
    enum class Mode { Stopped, Sound, Silent, Played };

    void catchUp() const;
    void playSilently(qint64 fromMs) const;
    void silentFrom(qint64 startMs) const;
    bool playerIsBusy() const;

    const Clock& clock_;
    std::shared_ptr<Shared> shared_;
    WorkerThread thread_{QStringLiteral("parlavo sound")};
    quint64 line_ = 0; // the number of the line last handed to the player
    qint64 durationMs_ = 0;
    qint64 requestedMs_ = 0; // clock time of the last start()
    // What the sound thread reports is taken in when the position is asked for.
    mutable Mode mode_ = Mode::Stopped;
    mutable qint64 silentStartMs_ = 0; // clock time at which silent playback began, less the part already played
};

} // namespace parlavo
