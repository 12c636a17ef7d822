#pragma once

#include "agent/clock.h"
#include "agent/speech_output.h"

#include <QAudioDevice>
#include <QPointer>
#include <QTimer>

#include <functional>

class QAudioSink;

namespace parlavo {

class PcmSource;

// Plays speech on an audio sink and takes the position from what the sink has processed. Without a device, or
// when the sink will not start, the same utterance plays silently by the clock, so the beak and the balloon go on.
class SinkSpeechOutput final : public SpeechOutput {
    Q_OBJECT
public:
    using DeviceSource = std::function<QAudioDevice()>;

    // device: the output to use for each utterance; the system's default output unless a test says otherwise.
    explicit SinkSpeechOutput(const Clock& clock, DeviceSource device = {}, QObject* parent = nullptr);
    ~SinkSpeechOutput() override;

    void start(const Utterance& utterance) override;
    void stop() override;
    qint64 playedMs() const override;

    // True while the current utterance is going to a sound device.
    bool isAudible() const { return mode_ == Mode::Sound; }

private:
    enum class Mode { Stopped, Sound, Silent, Played };

    void playSilently(qint64 fromMs);
    void retireSink();
    void onSinkStateChanged();
    void onDrained();

    const Clock& clock_;
    DeviceSource device_;
    QPointer<QAudioSink> sink_;
    QPointer<PcmSource> source_;
    QTimer drainTimer_; // from the last sample handed over until the sink has played it
    Mode mode_ = Mode::Stopped;
    qint64 durationMs_ = 0;
    qint64 silentStartMs_ = 0; // clock time at which silent playback began, less the part already played
};

} // namespace parlavo
