#include "app/caption_strip.h"

#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "caption/colour_strip.h"
#include "core/integer16.h"

namespace parlavo {

void CaptionStrip::onPointerTick() {
    mState.introCountdown = sub16(mState.introCountdown, 1);
    const int countdown = mState.introCountdown;
    autoHideStep(countdown);
    applyIntroStep(countdown);
    pacePointerTicks();
}

void CaptionStrip::applyIntroStep(int countdown) {
    const IntroStep step = introStepFor(countdown);
    switch (step.action) {
    case IntroStep::Action::Scroll:
        spanishLine->setText(withLeadingSpaces(step.spaces, kWelcomeLine));
        break;
    case IntroStep::Action::ShowAndScroll:
        closeSplash();
        showCaptionWindow();
        spanishLine->setText(withLeadingSpaces(step.spaces, kWelcomeLine));
        break;
    case IntroStep::Action::Hold:
        spanishLine->setText(kWelcomeLine);
        break;
    case IntroStep::Action::StartPlayback:
        spanishLine->setText(kBlankCaption);
        if (menuPictureEnabled()) {
            startPlayback();
            spanishLine->setText(kBlankCaption);
        }
        break;
    case IntroStep::Action::ResetCountdown:
        mState.introCountdown = 1;
        break;
    }
}

void CaptionStrip::onColourStripTick() {
    const ColourStripTick tick = colourStripTick(isOpen(), dragging, stripColours);
    mColourStrip->setColour(tick.draw ? tick.colour : QColor());
    stripColours = tick.next;
}

void CaptionStrip::onEnglishRiseTick() {
    englishLine->setText(withLeadingSpaces(1, englishText));
    const EnglishRiseTick tick = englishRiseTick(mEnglishTop);
    setEnglishTop(tick.top);
    if (tick.finished)
        englishRiseTimer.stop();
}

void CaptionStrip::onSpanishEntryTick() {
    const SpanishEntryTick tick = spanishEntryTick(entryStep, spanishText);
    spanishLine->setText(tick.caption);
    entryStep = tick.nextMarquee;
    if (tick.finished)
        spanishEntryTimer.stop();
}

} // namespace parlavo
