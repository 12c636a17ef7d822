#include "caption/auto_hide.h"

namespace parlavo {

bool stripStaysOpen(int countdown, bool autoHide, const PixelRect& openRect, const std::optional<PixelPoint>& pointer,
                    bool currentlyOpen) {
    const bool introRunning = countdown > 0;
    const bool autoHideOff = !autoHide;
    const bool inside = pointer && rectContains(openRect, *pointer);
    const bool touchesTop = pointer && pointer->y < openRect.top + kTopEdgeRows;
    return introRunning || autoHideOff || (inside && (touchesTop || currentlyOpen));
}

} // namespace parlavo
