#pragma once

#include "agent/bird/stage.h"
#include "agent/clock.h"
#include "agent/request_queue.h"
#include "agent/voice/utterance.h"

#include <QObject>
#include <QTimer>

namespace parlavo {

class SpeechOutput;
class Voice;

// Performs the bird's requests one after another on its stage: renders each line with the voice, plays it,
// keeps the beak and the balloon in step with what has been played, and plays the gestures. Timing comes from the
// clock; a timer calls advance() only while something is under way, and tests may call it themselves.
class Performance final : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kFrameMs = 40;               // how often the beak and the balloon follow the sound
    static constexpr qint64 kBalloonLingerMs = 1000;     // the balloon stays this long after the last word
    static constexpr qint64 kStalledSoundGraceMs = 3000; // a sound device that stops moving is given up after this
    // A line the voice has not rendered by then is left unsaid. Rendering takes milliseconds; the first line may
    // also wait for the voice to load.
    static constexpr qint64 kRenderDeadlineMs = 5000;

    Performance(Voice& voice, SpeechOutput& output, Stage& stage, const Clock& clock, QObject* parent = nullptr);

    void show();
    void hide();
    void speak(const QString& line, Speaker speaker = Speaker::Bird);
    void wave();

    // Cuts off the line or gesture under way, closes the balloon and forgets what waits, so that the next request
    // starts at once.
    void interrupt();
    // Hides the bird as soon as nothing is under way or waiting and the balloon has gone, unless show() or
    // hide() comes first.
    void hideWhenDone();

    // Catches up with the clock: follows the sound, ends what is done, starts what is next.
    void advance();
    // When advance() is next due, by the clock; -1 while nothing is under way.
    qint64 nextAdvanceMs() const;
    bool isIdle() const { return step_ == Step::Idle; }

signals:
    // A line has started or finished playing; for observers that measure the bird.
    void speechStarted();
    void speechFinished();

private:
    enum class Step { Idle, Rendering, Speaking, Waving };

    void startNext();
    void onRendered(quint64 ticket, const Utterance& utterance);
    void startSpeaking(const Utterance& utterance);
    void followSpeech();
    void finishCurrent();
    void reschedule();

    Voice& voice_;
    SpeechOutput& output_;
    Stage& stage_;
    const Clock& clock_;
    RequestQueue queue_;
    QTimer timer_;

    Step step_ = Step::Idle;
    Speaker speaker_ = Speaker::Bird; // whose line is being rendered or spoken
    bool hideWhenDone_ = false;
    quint64 lastTicket_ = 0;
    qint64 renderDeadlineMs_ = 0;
    // A line the voice missed its deadline for and has not answered since: until it does, it is taken to be stuck,
    // and lines are performed without it, silently, rather than left to pile up behind that one.
    quint64 overdueTicket_ = 0;
    Utterance speech_;
    int highlightedWord_ = -1;
    qint64 speechDeadlineMs_ = 0;
    qint64 waveEndsMs_ = 0;
    qint64 balloonClosesMs_ = -1; // -1: the balloon is shut or in use
};

} // namespace parlavo
