#include "app/caption_strip.h"

#include "caption/auto_hide.h"
#include "caption/drag.h"
#include "core/placement.h"

namespace parlavo {

void CaptionStrip::autoHideStep(int countdown) {
    windows().pointerPosition(pointerSample);
    const bool open = stripStaysOpen(countdown, mState.autoHide, recordedRect, pointerSample, isOpen());
    setHeightTwips(open ? openHeightTwips : kCollapsedHeightTwips);
    windows().keepOnTop(this);
    // X11 sends no movement event once the pointer stops, so a drag that rested only on those events
    // would leave the strip one sample behind the pointer; every sample moves it again instead.
    followDrag();
}

void CaptionStrip::beginDrag() {
    dragging = true;
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
