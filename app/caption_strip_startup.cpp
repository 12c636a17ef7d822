#include "app/caption_strip.h"

#include "app/splash_window.h"
#include "caption/drag.h"
#include "core/settings_io.h"
#include "lessons/review_play.h"

namespace parlavo {

namespace {

// The intro's countdown at start-up, and where a click on the splash puts it, in pointer ticks.
constexpr int kIntroTicks = 70;
constexpr int kIntroAfterSplashClick = 50;

} // namespace

void CaptionStrip::start() {
    mSettings = loadSettings(mServices.store, windows().screenOf(nullptr).width());
    // The remembered monitor, or the primary one while it is not there; the setting stays for when it comes back.
    const std::vector<Monitor> monitors = windows().monitors();
    const Monitor& monitor = monitorNamed(monitors, mSettings.stripMonitor);
    const PixelPoint place = restingPlace(monitor, mSettings.stripLeft);
    mServices.bird.standInCorner(monitor.workArea);
    settlePauseAtStart();
    if (!isPaused())
        mServices.bird.show();
    applySpeechRate();
    applyTextSize();
    mPositionKeeper.markStored();
    setGeometryPixels(place.x, place.y, kWidth, openHeight());
    hide();

    placeSplash();

    mPointerTimer.setInterval(kPointerTickMs);
    mPointerTimer.start();
    mColourStripTimer.start();
    mEnglishRiseTimer.stop();
    mSpanishEntryTimer.stop();
    mPlaybackTimer.stop();

    mPlayback.restartCycle();
    mStripColours = ColourSlots();
    mIntroCountdown = kIntroTicks;
    showSentence(mPlayback.next());

    windows().placeOnTop(this, place.x, place.y, kWidth, openHeight());
    settleAtTopEdge();
    if (isPaused())
        holdForPause();
}

// The splash stands in the screen's middle, a little above it.
void CaptionStrip::placeSplash() {
    mSplash = std::make_unique<SplashWindow>();
    connect(mSplash.get(), &SplashWindow::pictureClicked, this, &CaptionStrip::splashClicked);
    const PixelRect screen = windows().screenOf(nullptr);
    windows().moveWindow(mSplash.get(), screen.left + (screen.width() - 133) / 2,
                         screen.top + screen.height() / 2 - 120, SplashWindow::kWidthPixels,
                         SplashWindow::kHeightPixels);
    mSplash->show();
}

void CaptionStrip::splashClicked() {
    showCaptionWindow();
    closeSplash();
    mIntroCountdown = kIntroAfterSplashClick;
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
    if (mReview)
        mReview->progress().saveWaiting();
    if (!saveExitSettings(mServices.store, mSettings))
        return false;
    mPositionKeeper.markStored();
    return true;
}

void CaptionStrip::stopForShutdown() {
    mServices.clock.setAlarm(QDateTime());
    mPointerTimer.stop();
    mPlaybackTimer.stop();
}

} // namespace parlavo
