#include "core/form1.h"

#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "caption/colour_strip.h"
#include "core/integer16.h"

namespace parlavo {

void Form1::Form1_Timer1_Timer() {
    mState.introcount = sub16(mState.introcount, 1);
    const int countdown = mState.introcount;
    autoHideStep(countdown);
    applyIntroStep(countdown);
}

void Form1::applyIntroStep(int countdown) {
    const IntroStep step = introStepFor(countdown);
    switch (step.action) {
    case IntroStep::Action::Scroll:
        Label1->setText(withLeadingSpaces(step.spaces, kWelcomeLine));
        break;
    case IntroStep::Action::ShowAndScroll:
        closeSplash();
        showCaptionWindow();
        Label1->setText(withLeadingSpaces(step.spaces, kWelcomeLine));
        break;
    case IntroStep::Action::Hold:
        Label1->setText(kWelcomeLine);
        break;
    case IntroStep::Action::StartPlayback:
        Label1->setText(kBlankCaption);
        if (image1Enabled()) {
            Timer5.start();
            Label1->setText(kBlankCaption);
        }
        break;
    case IntroStep::Action::ResetCountdown:
        mState.introcount = 1;
        break;
    }
}

void Form1::Form1_Timer2_Timer() {
    const ColourStripTick tick = colourStripTick(isOpen(), mbDragging != 0, mintColor1, mintColor2, mintColor3);
    mpColourStrip->setColour(tick.draw ? tick.colour : QColor());
    mintColor1 = tick.color1;
    mintColor2 = tick.color2;
    mintColor3 = tick.color3;
}

void Form1::Form1_Timer3_Timer() {
    Label2->setText(withLeadingSpaces(1, mstrEnglish));
    const EnglishRiseTick tick = englishRiseTick(mintLabel2Top);
    setLabel2Top(tick.top);
    if (tick.finished)
        Timer3.stop();
}

void Form1::Form1_Timer4_Timer() {
    const SpanishEntryTick tick = spanishEntryTick(mintMarquee, mstrSpanish);
    Label1->setText(tick.caption);
    mintMarquee = tick.nextMarquee;
    if (tick.finished)
        Timer4.stop();
}

} // namespace parlavo
