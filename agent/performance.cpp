#include "agent/performance.h"

#include "agent/voice/one_time_notice.h"
#include "agent/voice/speech_output.h"
#include "agent/voice/voice.h"

#include <algorithm>

namespace parlavo {

namespace {

OneTimeNotice voiceTooSlow("parlavo: the voice did not answer in time; the bird speaks without sound until it does");

} // namespace

Performance::Performance(Voice& voice, SpeechOutput& output, Stage& stage, const Clock& clock, QObject* parent)
    : QObject(parent), voice_(voice), output_(output), stage_(stage), clock_(clock) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Performance::advance);
    connect(&voice_, &Voice::rendered, this, &Performance::onRendered);
}

void Performance::show() {
    hideWhenDone_ = false;
    if (!queue_.hidden())
        return;
    queue_.setHidden(false);
    stage_.appear();
}

void Performance::hide() {
    hideWhenDone_ = false;
    if (queue_.hidden())
        return;
    if (step_ == Step::Rendering)
        voice_.cancel();
    if (step_ == Step::Speaking)
        output_.stop();
    queue_.setHidden(true);
    step_ = Step::Idle;
    balloonClosesMs_ = -1;
    stage_.setBeakOpening(0.0);
    stage_.closeBalloon();
    stage_.disappear();
    reschedule();
}

void Performance::speak(const QString& line, Speaker speaker) {
    if (queue_.add({Request::Kind::Speak, line, speaker}))
        startNext();
}

void Performance::interrupt() {
    if (step_ == Step::Idle && balloonClosesMs_ < 0)
        return; // nothing under way, and no balloon up
    if (step_ == Step::Rendering)
        voice_.cancel();
    if (step_ == Step::Speaking)
        output_.stop();
    queue_.clear();
    step_ = Step::Idle;
    balloonClosesMs_ = -1;
    stage_.setBeakOpening(0.0);
    stage_.closeBalloon();
    reschedule();
}

void Performance::hideWhenDone() {
    hideWhenDone_ = !queue_.hidden();
    reschedule();
}

void Performance::wave() {
    if (queue_.add({Request::Kind::Wave, QString(), Speaker::Bird}))
        startNext();
}

void Performance::advance() {
    const qint64 now = clock_.nowMs();
    if (step_ == Step::Speaking) {
        followSpeech();
    } else if (step_ == Step::Waving && now >= waveEndsMs_) {
        finishCurrent();
    } else if (step_ == Step::Rendering && now >= renderDeadlineMs_) {
        voiceTooSlow.show();
        overdueTicket_ = lastTicket_;
        finishCurrent();
    }
    if (balloonClosesMs_ >= 0 && now >= balloonClosesMs_) {
        balloonClosesMs_ = -1;
        stage_.closeBalloon();
    }
    reschedule();
}

qint64 Performance::nextAdvanceMs() const {
    qint64 due = -1;
    const auto consider = [&due](qint64 at) {
        due = due < 0 ? at : std::min(due, at);
    };
    if (step_ == Step::Speaking)
        consider(clock_.nowMs() + kFrameMs);
    if (step_ == Step::Waving)
        consider(waveEndsMs_);
    if (step_ == Step::Rendering)
        consider(renderDeadlineMs_);
    if (balloonClosesMs_ >= 0)
        consider(balloonClosesMs_);
    return due;
}

void Performance::startNext() {
    while (step_ == Step::Idle) {
        const std::optional<Request> request = queue_.startNext();
        if (!request)
            break;
        if (request->kind == Request::Kind::Wave) {
            step_ = Step::Waving;
            waveEndsMs_ = clock_.nowMs() + kWaveMs;
            stage_.wave();
        } else if (request->text.trimmed().isEmpty()) {
            queue_.finishCurrent(); // nothing to say, and no balloon for it
        } else if (overdueTicket_ != 0) {
            startSpeaking(silentUtterance(request->text));
        } else {
            step_ = Step::Rendering;
            speaker_ = request->speaker;
            renderDeadlineMs_ = clock_.nowMs() + kRenderDeadlineMs;
            voice_.render(++lastTicket_, request->text);
        }
    }
    reschedule();
}

void Performance::onRendered(quint64 ticket, const Utterance& utterance) {
    if (ticket == overdueTicket_)
        overdueTicket_ = 0; // too late for its line, but the voice is back for the next one
    if (step_ != Step::Rendering || ticket != lastTicket_)
        return;
    if (utterance.isEmpty()) {
        finishCurrent();
        return;
    }
    startSpeaking(utterance);
    reschedule();
}

void Performance::startSpeaking(const Utterance& utterance) {
    step_ = Step::Speaking;
    speech_ = utterance;
    highlightedWord_ = -1;
    balloonClosesMs_ = -1;
    speechDeadlineMs_ = clock_.nowMs() + speech_.durationMs + kStalledSoundGraceMs;
    stage_.setBalloonSpeaker(speaker_);
    stage_.showBalloon(speech_.line);
    output_.start(speech_);
    emit speechStarted();
    followSpeech();
}

void Performance::followSpeech() {
    const qint64 played = output_.playedMs();
    if (played >= speech_.durationMs || clock_.nowMs() >= speechDeadlineMs_) {
        stage_.setBeakOpening(0.0);
        stage_.highlightWord(0, 0);
        balloonClosesMs_ = clock_.nowMs() + kBalloonLingerMs;
        emit speechFinished();
        finishCurrent();
        return;
    }
    stage_.setBeakOpening(speech_.beakAt(played));
    const int word = speech_.wordAt(played);
    if (word == highlightedWord_)
        return;
    highlightedWord_ = word;
    if (word < 0)
        stage_.highlightWord(0, 0);
    else
        stage_.highlightWord(speech_.words[word].start, speech_.words[word].length);
}

void Performance::finishCurrent() {
    step_ = Step::Idle;
    queue_.finishCurrent();
    startNext();
}

void Performance::reschedule() {
    if (hideWhenDone_ && step_ == Step::Idle && balloonClosesMs_ < 0) {
        hide();
        return;
    }
    const qint64 due = nextAdvanceMs();
    if (due < 0)
        timer_.stop();
    else
        timer_.start(int(std::max<qint64>(0, due - clock_.nowMs())));
}

} // namespace parlavo
