#include "app/caption_strip.h"

#include "app/splash_window.h"
#include "core/settings_io.h"
#include "core/units.h"

namespace parlavo {

namespace {

// VB-style integer division: both operands rounded to whole numbers first, then truncated.
int integerDivide(double a, double b) {
    return static_cast<int>(roundHalfEven(a) / roundHalfEven(b));
}

} // namespace

void CaptionStrip::start() {
    bird().show();

    setLeftTwips(loadSettings(mServices.store, mState, windows().screenWidthTwips()));
    applySpeechRate();
    mPositionKeeper.markStored();
    const PixelRect loaded = currentRect();
    setGeometryPixels(loaded.left, topEdge(), loaded.width(), loaded.height());
    hide();

    placeSplash();

    pointerTimer.setInterval(kPointerTickMs);
    pointerTimer.start();
    colourStripTimer.setInterval(1500);
    colourStripTimer.start();
    englishRiseTimer.stop();
    spanishEntryTimer.stop();
    playbackTimer.stop();

    mState.cycleTick = 0;
    mState.cyclePhase = 0;
    stripColours = ColourSlots();
    mState.introCountdown = 70;

    chooseNextSentence();

    const double tppX = windows().twipsPerPixelX();
    const double tppY = windows().twipsPerPixelY();
    windows().placeOnTop(this, static_cast<int>(roundHalfEven(leftTwips() / tppX)), integerDivide(topTwips(), tppY),
                         integerDivide(widthTwips(), tppX), integerDivide(heightTwips(), tppY));

    settleAtTopEdge();
}

void CaptionStrip::placeSplash() {
    mSplash = std::make_unique<SplashWindow>();
    connect(mSplash.get(), &SplashWindow::pictureClicked, this, &CaptionStrip::splashClicked);
    const double tppX = windows().twipsPerPixelX();
    const double tppY = windows().twipsPerPixelY();
    const double top = windows().screenHeightTwips() / 2.0 - 1800;
    const double left = windows().screenWidthTwips() / 2.0 - 1000;
    windows().moveWindow(mSplash.get(), twipsToPixels(left, tppX), twipsToPixels(top, tppY), SplashWindow::kWidthPixels,
                         SplashWindow::kHeightPixels);
    mSplash->show();
}

void CaptionStrip::splashClicked() {
    showCaptionWindow();
    closeSplash();
    mState.introCountdown = 50;
}

// The intro shows the strip on every tick of its scroll; a strip that stepped aside for a full-screen
// window stays away until that window goes.
void CaptionStrip::showCaptionWindow() {
    if (isVisible() || mSteppedAside)
        return;
    show();
    windows().keepOnTop(this);
}

// The splash is shown once per run; closing it releases it for good.
void CaptionStrip::closeSplash() {
    if (mSplash)
        mSplash.release()->deleteLater();
}

bool CaptionStrip::saveAtExit() {
    if (!saveExitSettings(mServices.store, mState, leftTwips()))
        return false;
    mPositionKeeper.markStored();
    return true;
}

} // namespace parlavo
