#pragma once

#include "core/window_system.h"

#include <optional>

namespace parlavo {

// The pointer rows along the strip's top edge that open a collapsed strip.
inline constexpr int kTopEdgeRows = 4;

// Whether the strip stays open on this tick. It stays open while the intro runs (a positive
// countdown), while auto-hide is off, and while the pointer is inside the open strip's recorded
// rectangle and either touches its top edge (the top of the screen, or the edge of a panel above it) or finds
// the strip already open. A pointer that cannot be seen (nothing) is away.
bool stripStaysOpen(int countdown, bool autoHide, const PixelRect& openRect, const std::optional<PixelPoint>& pointer,
                    bool currentlyOpen);

} // namespace parlavo
