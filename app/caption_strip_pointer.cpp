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
