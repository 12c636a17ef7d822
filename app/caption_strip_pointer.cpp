#include "app/caption_strip.h"

#include "caption/auto_hide.h"
#include "caption/drag.h"
#include "caption/step_aside.h"
#include "core/placement.h"

namespace parlavo {

void CaptionStrip::autoHideStep(int countdown) {
    followWorkArea();
    // Asking the X server where the pointer is costs a round trip, so it is asked only while the answer
    // counts: for an auto-hiding strip once the intro is over, and during a drag. A drag goes on from the last
    // sample it could see.
    std::optional<PixelPoint> pointer = pointerSample;
    if (dragging || (mState.autoHide != 0 && countdown <= 0)) {
        PixelPoint sample;
        pointer.reset();
        if (windows().pointerPosition(sample))
            pointer = pointerSample = sample;
    }
    const bool wasOpen = isOpen();
    // The pointer on the strip's menu keeps it open as if it were on the strip.
    const bool open = stripStaysOpen(countdown, mState.autoHide, recordedRect, pointer, wasOpen) ||
                      (wasOpen && pointer && pointerOverCompanion(*pointer));
    setHeightTwips(open ? openHeightTwips : kCollapsedHeightTwips);
    if (wasOpen && !open)
        emit withdrew();
    windows().keepOnTop(this);
    // X11 sends no movement event once the pointer stops, so a drag that rested only on those events
    // would leave the strip one sample behind the pointer; every sample moves it again instead.
    followDrag();
    stepAsideForFullScreen();
}

// A full-screen window on the strip's screen is a film, slides or a game: the strip, the bird and its
// balloon go, the bird falls silent and the lesson holds where it is until the window leaves full
// screen. The window manager is asked only every few ticks, and only once the strip is up.
void CaptionStrip::stepAsideForFullScreen() {
    if (!isVisible() && !mSteppedAside)
        return;
    mTicksToStepAsideCheck -= pointerTimer.interval() / kPointerTickMs;
    if (mTicksToStepAsideCheck > 0)
        return;
    mTicksToStepAsideCheck = kStepAsideCheckTicks;
    const bool aside = stepsAside(windows().activeWindow(), windows().screenOf(this)) ||
                       (mState.stepAsideForFilms != 0 && mServices.idleInhibition.held());
    if (aside == mSteppedAside)
        return;
    mSteppedAside = aside;
    if (aside) {
        emit withdrew();
        mHeldForFullScreen =
            stopRunning(std::initializer_list<QTimer*>{&playbackTimer, &spanishEntryTimer, &englishRiseTimer});
        hide();
        showBird(false);
    } else {
        show();
        windows().keepOnTop(this);
        showBird(mBirdShown);
        startAll(mHeldForFullScreen);
        mHeldForFullScreen.clear();
    }
}

// Once the intro is over, and unless auto-hide or a drag follows the pointer, a tick only keeps the strip on top and
// watches for full-screen windows. Twice a second does that as well as sixteen times, so an idle strip's ticks come
// eight times less often and wake the processor that much less.
void CaptionStrip::pacePointerTicks() {
    const bool followsPointer = dragging || mState.autoHide != 0 || mState.introCountdown > 1;
    const int interval = followsPointer ? kPointerTickMs : kPointerTickMs * kStepAsideCheckTicks;
    if (pointerTimer.interval() != interval)
        pointerTimer.setInterval(interval);
}

void CaptionStrip::setBirdShown(bool shown) {
    mBirdShown = shown;
    if (!mSteppedAside)
        showBird(shown);
}

// Hiding the bird also cuts off the line it is saying.
void CaptionStrip::showBird(bool shown) {
    if (shown)
        bird().show();
    else
        bird().hide();
}

// The grab is where the press happened, from the event itself: by the time it is handled the pointer may already
// be on its way.
void CaptionStrip::beginDrag(const PixelPoint& pressedAt) {
    pointerSample = pressedAt;
    dragging = true;
    pacePointerTicks();
    grabOffset = grabOffsetFor(pointerSample, recordedRect);
}

void CaptionStrip::followDrag() {
    if (!dragging)
        return;
    const DragTarget target = dragTarget(pointerSample, grabOffset, recordedRect);
    windows().moveWindow(this, target.x, target.y, target.width, target.height);
}

void CaptionStrip::endDrag() {
    setLeftTwips(clampLeftTwips(leftTwips(), windows().screenWidthTwips()));
    settleAtTopEdge();
    dragging = false;
}

} // namespace parlavo
