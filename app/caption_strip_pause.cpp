#include "app/caption_strip.h"

#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "core/settings_io.h"

#include <QLabel>

#include <cstdio>

namespace parlavo {

namespace {

void savePauseOrSay(SettingsStore& store, const Settings& settings) {
    if (!savePause(store, settings))
        std::fprintf(stderr, "parlavo: the pause could not be saved; a restart would not keep it\n");
}

} // namespace

void CaptionStrip::pause(PauseLength length) {
    mSettings.pausedUntil = pauseEnd(length, mServices.clock.now());
    savePauseOrSay(mServices.store, mSettings);
    holdForPause();
}

// A pause that ended while the program was not running is forgotten; one still running goes on.
void CaptionStrip::settlePauseAtStart() {
    if (!isPaused())
        return;
    const QDateTime now = mServices.clock.now();
    if (mSettings.pausedUntil > now) {
        mSettings.pausedUntil = boundedPauseEnd(mSettings.pausedUntil, now);
        return;
    }
    mSettings.pausedUntil = QDateTime();
    savePauseOrSay(mServices.store, mSettings);
}

// A pause during the intro cuts it short: the lessons start when the pause ends. A strip that stepped aside for a
// full-screen window comes back as the line; the first tick after the pause looks at that window again.
void CaptionStrip::holdForPause() {
    emit withdrew();
    closeSplash();
    if (mIntroCountdown > 1) {
        mIntroCountdown = 1;
        mSpanishLine->setText(kBlankCaption);
    }
    for (QTimer* timer : mHeldForFullScreen) {
        if (timer != &mPlaybackTimer)
            mHeldForPause.push_back(timer);
    }
    mHeldForFullScreen.clear();
    mSteppedAside = false;
    for (QTimer* timer : {&mSpanishEntryTimer, &mEnglishRiseTimer}) {
        if (timer->isActive())
            mHeldForPause.push_back(timer);
    }
    for (QTimer* timer : {&mPointerTimer, &mColourStripTimer, &mSpanishEntryTimer, &mEnglishRiseTimer, &mPlaybackTimer})
        timer->stop();
    mDragging = false;
    showBird(false);
    mSpanishLine->hide();
    mEnglishLine->hide();
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, topEdge(), kWidth, kCollapsedHeight);
    show();
    windows().keepOnTop(this);
    onColourStripTick();
    mServices.clock.setAlarm(mSettings.pausedUntil);
}

// The clock can be set while the program waits: it waits on for what is left, a day at most.
void CaptionStrip::onPauseEnd() {
    if (!isPaused())
        return;
    const QDateTime now = mServices.clock.now();
    mSettings.pausedUntil = boundedPauseEnd(mSettings.pausedUntil, now);
    const qint64 left = now.msecsTo(mSettings.pausedUntil);
    if (left > 0)
        mServices.clock.setAlarm(mSettings.pausedUntil);
    else
        resume();
}

void CaptionStrip::resume() {
    if (!isPaused())
        return;
    mServices.clock.setAlarm(QDateTime());
    mSettings.pausedUntil = QDateTime();
    savePauseOrSay(mServices.store, mSettings);
    setToolTip(QString());
    mTopEdgeBand->setToolTip(QString());
    mSpanishLine->show();
    mEnglishLine->show();
    show();
    settleAtTopEdge();
    windows().keepOnTop(this);
    mTicksToStepAsideCheck = 0;
    mPointerTimer.start();
    mColourStripTimer.start();
    showBird(mBirdShown);
    for (QTimer* timer : mHeldForPause)
        timer->start();
    mHeldForPause.clear();
    // While a side window is open, its closing starts playback.
    if (menuPictureEnabled())
        mPlaybackTimer.start();
}

bool CaptionStrip::isIdle() const {
    return !mPointerTimer.isActive() && !mColourStripTimer.isActive() && !mSpanishEntryTimer.isActive() &&
           !mEnglishRiseTimer.isActive() && !mPlaybackTimer.isActive();
}

// Nothing samples the pointer during a pause: the window system's crossing events open the line into an empty strip
// under the pointer, whose menu offers Resume, and close it again once the pointer has left it and its menu.
void CaptionStrip::followPointerWhilePaused() {
    if (!isPaused())
        return;
    const QString notice = pauseNotice(mSettings.pausedUntil, mServices.clock.now());
    setToolTip(notice);
    mTopEdgeBand->setToolTip(notice);
    const bool wasOpen = isOpen();
    const bool open = pointerOverStripOrCompanions();
    if (open == wasOpen)
        return;
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, r.top, r.width(), open ? openHeight() : kCollapsedHeight);
    onColourStripTick();
    if (!open)
        emit withdrew();
}

void CaptionStrip::enterEvent(QEnterEvent*) {
    followPointerWhilePaused();
}

void CaptionStrip::leaveEvent(QEvent*) {
    followPointerWhilePaused();
}

} // namespace parlavo
