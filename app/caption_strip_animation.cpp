#include "app/caption_strip.h"

#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "caption/colour_strip.h"

namespace parlavo {

void CaptionStrip::onPointerTick() {
    --mIntroCountdown;
    autoHideStep();
    applyIntroStep();
    pacePointerTicks();
}

void CaptionStrip::applyIntroStep() {
    const IntroStep step = introStepFor(mIntroCountdown);
    switch (step.action) {
    case IntroStep::Action::Scroll:
        mSpanishLine->setText(withLeadingSpaces(step.spaces, kWelcomeLine));
        break;
    case IntroStep::Action::ShowAndScroll:
        closeSplash();
        showCaptionWindow();
        mSpanishLine->setText(withLeadingSpaces(step.spaces, kWelcomeLine));
        break;
    case IntroStep::Action::Hold:
        mSpanishLine->setText(kWelcomeLine);
        break;
    case IntroStep::Action::StartPlayback:
        mSpanishLine->setText(kBlankCaption);
        if (menuPictureEnabled())
            startPlayback();
        break;
    case IntroStep::Action::ResetCountdown:
        mIntroCountdown = 1;
        break;
    }
}

void CaptionStrip::onColourStripTick() {
    const ColourStripTick tick = colourStripTick(isOpen(), mDragging, mStripColours);
    mColourStrip->setColour(tick.draw ? tick.colour : QColor());
    mStripColours = tick.next;
}

void CaptionStrip::onEnglishRiseTick() {
    mEnglishLine->setText(withLeadingSpaces(1, mSentence.text.english));
    const EnglishRiseTick tick = englishRiseTick(mRiseStep);
    mRiseStep = tick.nextStep;
    setEnglishTop(tick.top);
    if (tick.finished) {
        mEnglishRiseTimer.stop();
        mAnswerable = mSentence;
    }
}

void CaptionStrip::onSpanishEntryTick() {
    const SpanishEntryTick tick = spanishEntryTick(mEntryStep, mSentence.text.spanish);
    mSpanishLine->setText(tick.caption);
    mEntryStep = tick.nextStep;
    if (tick.finished) {
        mSpanishEntryTimer.stop();
        mAnswerable = mSentence;
    }
}

} // namespace parlavo
