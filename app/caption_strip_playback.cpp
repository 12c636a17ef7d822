#include "app/caption_strip.h"

#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "lessons/review_play.h"

#include <algorithm>

namespace parlavo {

namespace {

// Starting an animation that is already running leaves it where it is.
void enable(QTimer& timer) {
    if (!timer.isActive())
        timer.start();
}

Speaker speakerOf(const LessonLine& line) {
    return line.saidByWoman ? Speaker::Woman : Speaker::Man;
}

} // namespace

// The strip as the display cycle drives it.
class CaptionStrip::View final : public PlaybackView {
public:
    explicit View(CaptionStrip& strip) : mStrip(strip) {}

    void showSentence(const Sentence& sentence) override { mStrip.showSentence(sentence); }
    void startSpanishEntry() override { enable(mStrip.mSpanishEntryTimer); }
    void startEnglishRise() override { enable(mStrip.mEnglishRiseTimer); }
    void blankSpanish() override { mStrip.mSpanishLine->setText(kBlankCaption); }
    void clearEnglish() override {
        mStrip.mEnglishLine->setText(kBlankCaption);
        mStrip.mRiseStep = 0;
        mStrip.setEnglishTop(englishTopAt(0));
    }
    void speak() override { mStrip.speakCurrentLine(); }

private:
    CaptionStrip& mStrip;
};

// Sentences read in sequence are also offered whole as the lines' tooltips; a random one leaves them as they were.
void CaptionStrip::showSentence(const Sentence& sentence) {
    mSentence = sentence;
    if (sentence.readInSequence) {
        mSpanishLine->setToolTip(sentence.text.spanish);
        mEnglishLine->setToolTip(sentence.text.english);
    }
    mPositionKeeper.positionMayHaveMoved();
    if (mReview)
        mReview->shown();
}

// The bird reads the line aloud in its speaker's voice while reading aloud is on, and waves either way. A bird out
// only for a repeated line leaves the lesson's own lines alone.
void CaptionStrip::speakCurrentLine() {
    if (!mBirdShown || mSteppedAside)
        return;
    if (mSettings.readAloud)
        mServices.bird.say(mSentence.text.spanish, speakerOf(mSentence.text));
    mServices.bird.wave();
}

void CaptionStrip::repeatSentence() {
    if (mSteppedAside || isPaused() || mSentence.text.spanish.trimmed().isEmpty())
        return;
    const bool hidden = !mBirdShown;
    if (hidden)
        mServices.bird.show();
    mServices.bird.stop();
    mServices.bird.say(mSentence.text.spanish, speakerOf(mSentence.text));
    if (hidden)
        mServices.bird.hideWhenDone();
}

void CaptionStrip::applySpeechRate() {
    mServices.bird.setSpeechRate(mSettings.speechRate);
}

void CaptionStrip::onPlaybackTick() {
    View view(*this);
    mPlayback.tick(view);
}

// While the strip is away for a full-screen window, playback starts when it comes back; after a pause, when the
// pause ends.
void CaptionStrip::startPlayback() {
    if (isPaused())
        return;
    if (!mSteppedAside)
        mPlaybackTimer.start();
    else if (std::find(mHeldForFullScreen.begin(), mHeldForFullScreen.end(), &mPlaybackTimer) ==
             mHeldForFullScreen.end())
        mHeldForFullScreen.push_back(&mPlaybackTimer);
}

} // namespace parlavo
