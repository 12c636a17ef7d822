#include "core/form1.h"

#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "core/integer16.h"
#include "lessons/playback_cycle.h"
#include "lessons/sentence_selector.h"

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
    explicit CaptionPlaybackView(Form1& form) : mForm(form) {}

    void nextSentence() override { mForm.NextSentence(); }
    void startSpanishEntry() override { enable(mForm.Timer4); }
    void startEnglishRise() override { enable(mForm.Timer3); }
    void blankSpanish() override { mForm.Label1->setText(kBlankCaption); }
    void clearEnglish() override {
        mForm.Label2->setText(kBlankCaption);
        mForm.setLabel2Top(Form1::kLabel2RestTop);
    }
    void speakStep() override {
        if (mForm.mobjAgent)
            readAloudAndWave(*mForm.mobjAgent, mForm.mstrSpanish, mForm.state().voice);
    }

private:
    Form1& mForm;
};

} // namespace

void Form1::NextSentence() {
    SentenceSelector selector(mState, mServices.random, mServices.messageBox);
    try {
        if (selector.selectInto({mstrSpanish, mstrEnglish, mintRandomId})) {
            Label1->setToolTip(mstrSpanish);
            Label2->setToolTip(mstrEnglish);
        }
    } catch (const OverflowError& error) {
        // Only a reading position far outside the lessons gets here; the current sentence stays,
        // where letting the error out of a timer's slot would end the program.
        std::fprintf(stderr, "parlavo: cannot choose the next sentence (%s)\n", error.what());
    }
}

void Form1::Form1_Timer5_Timer() {
    CaptionPlaybackView view(*this);
    playbackTick(mState, view);
}

} // namespace parlavo
