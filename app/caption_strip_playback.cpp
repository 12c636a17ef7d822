#include "app/caption_strip.h"

#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "core/integer16.h"
#include "lessons/playback_cycle.h"
#include "lessons/sentence_selector.h"

#include <algorithm>
#include <cstdio>

namespace parlavo {

namespace {

// Starting an animation that is already running leaves it where it is.
void enable(QTimer& timer) {
    if (!timer.isActive())
        timer.start();
}

class CaptionPlaybackView final : public PlaybackView {
public:
    explicit CaptionPlaybackView(CaptionStrip& form) : mForm(form) {}

    void nextSentence() override { mForm.chooseNextSentence(); }
    void startSpanishEntry() override { enable(mForm.spanishEntryTimer); }
    void startEnglishRise() override { enable(mForm.englishRiseTimer); }
    void blankSpanish() override { mForm.spanishLine->setText(kBlankCaption); }
    void clearEnglish() override {
        mForm.englishLine->setText(kBlankCaption);
        mForm.setEnglishTop(CaptionStrip::kEnglishRestTop);
    }
    // A bird out only for a repeated line leaves the lesson's own lines alone.
    void speakStep() override {
        if (mForm.birdReads())
            readAloudAndWave(mForm.bird(), mForm.spanishText, mForm.state().readAloud, mForm.spanishSpeaker);
    }

private:
    CaptionStrip& mForm;
};

// Who says a line of a lesson; the note before the lessons is the bird's own.
Speaker speakerOf(int id) {
    try {
        if (sentenceSpeaker(id) == kNoSpeaker)
            return Speaker::Bird;
        return saidByWoman(id) ? Speaker::Woman : Speaker::Man;
    } catch (const std::exception&) {
        return Speaker::Bird;
    }
}

} // namespace

void readAloudAndWave(Bird& bird, const QString& spanish, qint16 readAloud, Speaker speaker) {
    if (readAloud == 1)
        bird.say(spanish, speaker);
    bird.wave();
}

void CaptionStrip::chooseNextSentence() {
    SentenceSelector selector(mState, mServices.random, mMessageBox);
    try {
        if (selector.selectInto({spanishText, englishText, randomId})) {
            spanishLine->setToolTip(spanishText);
            englishLine->setToolTip(englishText);
        }
        if (selector.spanishId() != 0)
            spanishSpeaker = speakerOf(selector.spanishId());
        mPositionKeeper.positionMayHaveMoved();
    } catch (const OverflowError& error) {
        // Only a reading position far outside the lessons gets here; the current sentence stays,
        // where letting the error out of a timer's slot would end the program.
        std::fprintf(stderr, "parlavo: cannot choose the next sentence (%s)\n", error.what());
    }
}

void CaptionStrip::repeatSentence() {
    if (mSteppedAside || spanishText.trimmed().isEmpty())
        return;
    const bool hidden = !mBirdShown;
    if (hidden)
        bird().show();
    bird().stop();
    bird().say(spanishText, spanishSpeaker);
    if (hidden)
        bird().hideWhenDone();
}

void CaptionStrip::applySpeechRate() {
    bird().setSpeechRate(mState.speechRate);
}

void CaptionStrip::onPlaybackTick() {
    CaptionPlaybackView view(*this);
    try {
        playbackTick(mState, view);
    } catch (const OverflowError& error) {
        // Only counters driven far past what the dialog allows get here; the cycle starts over rather
        // than letting the error out of a timer's slot, which would end the program.
        std::fprintf(stderr, "parlavo: the display cycle starts over (%s)\n", error.what());
        mState.cycleTick = 0;
        mState.cyclesShown = 0;
        mState.cyclePhase = 0;
    }
}

void CaptionStrip::resumeAfterSideWindow() {
    setMenuPictureEnabled(true);
    if (mState.introCountdown <= 2 && !playbackTimer.isActive())
        startPlayback();
}

void CaptionStrip::startPlayback() {
    if (!mSteppedAside)
        playbackTimer.start();
    else if (std::find(mHeldForFullScreen.begin(), mHeldForFullScreen.end(), &playbackTimer) ==
             mHeldForFullScreen.end())
        mHeldForFullScreen.push_back(&playbackTimer);
}

} // namespace parlavo
