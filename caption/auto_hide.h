#pragma once

#include "core/window_system.h"

namespace parlavo {

// The pointer rows at the top of the screen that open a collapsed strip.
inline constexpr int kTopEdgeRows = 4;

// Whether the strip stays open on this tick. It stays open while the intro runs (a positive
// countdown), while auto-hide is off, and while the pointer is inside the open strip's recorded
// rectangle and either touches the top edge of the screen or finds the strip already open.
bool stripStaysOpen(int countdown, int autoHide, const PixelRect& openRect, const PixelPoint& pointer,
                    bool currentlyOpen);

} // namespace parlavo
