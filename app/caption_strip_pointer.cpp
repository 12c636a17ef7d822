#include "app/caption_strip.h"

#include "caption/auto_hide.h"
#include "caption/drag.h"
#include "caption/step_aside.h"

namespace parlavo {

void CaptionStrip::autoHideStep() {
    followWorkArea();
    // Asking the X server where the pointer is costs a round trip, so it is asked only while the answer
    // counts: for an auto-hiding strip once the intro is over, and during a drag. A drag goes on from the last
    // sample it could see.
    std::optional<PixelPoint> pointer = mPointerSample;
    if (mDragging || (mSettings.autoHide && mIntroCountdown <= 0)) {
        PixelPoint sample;
        pointer.reset();
        if (windows().pointerPosition(sample))
            pointer = mPointerSample = sample;
    }
    const bool wasOpen = isOpen();
    // The pointer on the strip's menu keeps it open as if it were on the strip.
    const bool open = stripStaysOpen(mIntroCountdown, mSettings.autoHide, mRecordedRect, pointer, wasOpen) ||
                      (wasOpen && pointer && pointerOverCompanion(*pointer));
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, r.top, r.width(), open ? openHeight() : kCollapsedHeight);
    if (wasOpen && !open)
        emit withdrew();
    windows().keepOnTop(this);
    // X11 sends no movement event once the pointer stops, so a drag that rested only on those events
    // would leave the strip one sample behind the pointer; every sample moves it again instead.
    followDrag();
    stepAsideForFullScreen();
}

// A full-screen window on the strip's screen is a film, slides or a game, and so is anything that keeps the
// desktop from blanking the screen: the strip, the bird and its balloon go, the bird falls silent and the lesson
// holds where it is until that ends. The window manager is asked only every few ticks, and only once the strip
// is up.
void CaptionStrip::stepAsideForFullScreen() {
    if (!isVisible() && !mSteppedAside)
        return;
    mTicksToStepAsideCheck -= mPointerTimer.interval() / kPointerTickMs;
    if (mTicksToStepAsideCheck > 0)
        return;
    mTicksToStepAsideCheck = kStepAsideCheckTicks;
    const bool aside = stepsAside(windows().activeWindow(), windows().screenOf(this)) ||
                       (mSettings.stepAsideForFilms && mServices.idleInhibition.held());
    if (aside == mSteppedAside)
        return;
    mSteppedAside = aside;
    if (aside) {
        emit withdrew();
        for (QTimer* timer : {&mPlaybackTimer, &mSpanishEntryTimer, &mEnglishRiseTimer}) {
            if (timer->isActive()) {
                timer->stop();
                mHeldForFullScreen.push_back(timer);
            }
        }
        hide();
        showBird(false);
    } else {
        show();
        windows().keepOnTop(this);
        showBird(mBirdShown);
        for (QTimer* timer : mHeldForFullScreen)
            timer->start();
        mHeldForFullScreen.clear();
    }
}

// Once the intro is over, and unless auto-hide or a drag follows the pointer, a tick only keeps the strip on top and
// watches for full-screen windows. Twice a second does that as well as sixteen times, so an idle strip's ticks come
// eight times less often and wake the processor that much less.
void CaptionStrip::pacePointerTicks() {
    const bool followsPointer = mDragging || mSettings.autoHide || mIntroCountdown > 1;
    const int interval = followsPointer ? kPointerTickMs : kPointerTickMs * kStepAsideCheckTicks;
    if (mPointerTimer.interval() != interval)
        mPointerTimer.setInterval(interval);
}

void CaptionStrip::setBirdShown(bool shown) {
    mBirdShown = shown;
    if (!mSteppedAside && !isPaused())
        showBird(shown);
}

// Hiding the bird also cuts off the line it is saying.
void CaptionStrip::showBird(bool shown) {
    if (shown)
        mServices.bird.show();
    else
        mServices.bird.hide();
}

void CaptionStrip::beginDrag(const PixelPoint& pressedAt) {
    mPointerSample = pressedAt;
    mDragging = true;
    pacePointerTicks();
    mGrabOffset = grabOffsetFor(mPointerSample, mRecordedRect);
}

void CaptionStrip::followDrag() {
    if (!mDragging)
        return;
    const DragTarget target = dragTarget(mPointerSample, mGrabOffset, mRecordedRect);
    windows().moveWindow(this, target.x, target.y, target.width, target.height);
}

// The strip comes to rest at the top edge of the monitor under the pointer, its menu kept on that monitor; the bird
// goes with it to another monitor. Where it rests is the setting, and only a drag changes it.
void CaptionStrip::endDrag() {
    const std::vector<Monitor> monitors = windows().monitors();
    const Monitor& before = monitorNamed(monitors, mSettings.stripMonitor);
    const Monitor& monitor = monitorUnder(monitors, mPointerSample);
    const PixelRect r = currentRect();
    const PixelPoint place = restingPlace(monitor, r.left - monitor.area.left);
    setGeometryPixels(place.x, place.y, r.width(), r.height());
    mSettings.stripLeft = place.x - monitor.area.left;
    mSettings.stripMonitor = monitor.name;
    if (monitor.name != before.name)
        mServices.bird.standInCorner(monitor.workArea);
    settleAtTopEdge();
    mDragging = false;
}

// Open, at the top edge: the top of the screen, or just below a panel there. The rectangle auto-hide and the next
// drag measure from is recorded.
void CaptionStrip::settleAtTopEdge() {
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, topEdge(), r.width(), openHeight());
    windows().windowRect(this, mRecordedRect);
}

// A panel along the top that appears, goes or changes height after the strip was placed (a desktop still starting)
// moves the strip with it, open or collapsed.
void CaptionStrip::followWorkArea() {
    const int top = topEdge();
    if (mDragging || mRecordedRect.top == top)
        return;
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, top, r.width(), r.height());
    mRecordedRect.bottom += top - mRecordedRect.top;
    mRecordedRect.top = top;
}

} // namespace parlavo
