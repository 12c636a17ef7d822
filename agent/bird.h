#pragma once

#include "agent/speaker.h"
#include "core/window_system.h"

#include <QString>

namespace parlavo {

// Our speaking bird as the rest of the program drives it. Every call returns at once: speech and gestures are
// queued and performed by the bird itself, and none fails (without a voice or sound it speaks silently).
class Bird {
public:
    virtual ~Bird() = default;
    virtual void show() = 0;
    // Stands at the bottom-right corner of this area (the free area of the strip's monitor), at once if it shows.
    virtual void standInCorner(const PixelRect& area) = 0;
    // Hides the bird and its balloon; what it was saying is cut off.
    virtual void hide() = 0;
    // Says a line in the voice of one of a dialogue's two people, or in its own.
    virtual void say(const QString& text, Speaker speaker) = 0;
    virtual void wave() = 0;
    // Words a minute for the lines it says from now on.
    virtual void setSpeechRate(int wordsPerMinute) = 0;
    // The balloon's text, in per cent of its normal size, from its next line on.
    virtual void setTextScale(int percent) = 0;
    // Cuts off what it is doing and forgets what waits, so that what comes next starts at once.
    virtual void stop() = 0;
    // Hides once it has done everything asked of it and its balloon has gone, unless show() comes first.
    virtual void hideWhenDone() = 0;
};

} // namespace parlavo
