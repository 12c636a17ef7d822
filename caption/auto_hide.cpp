#include "caption/auto_hide.h"

namespace parlavo {

bool stripStaysOpen(int countdown, int autoHide, const PixelRect& openRect, const PixelPoint& pointer,
                    bool currentlyOpen) {
    // Every part is evaluated on every tick; none has side effects.
    const bool introRunning = countdown > 0;
    const bool autoHideOff = autoHide == 0;
    const bool inside = rectContains(openRect, pointer);
    const bool touchesTop = pointer.y < kTopEdgeRows;
    return introRunning || autoHideOff || (inside && (touchesTop || currentlyOpen));
}

} // namespace parlavo
