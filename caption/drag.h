#pragma once

#include "core/window_system.h"

#include <vector>

namespace parlavo {

// Grab offset of a drag: the pointer's distance from the recorded window's left and top edges.
struct GrabOffset {
    qint32 x = 0;
    qint32 y = 0;
};
GrabOffset grabOffsetFor(const PixelPoint& pointer, const PixelRect& recordedWindow);

// Where a drag move puts the window: under the pointer at the grab offset, at the recorded open size.
struct DragTarget {
    int x;
    int y;
    int width;
    int height;
};
DragTarget dragTarget(const PixelPoint& pointer, const GrabOffset& grab, const PixelRect& recordedWindow);

// The monitor a dragged strip comes to rest on: the one under the pointer, or the nearest where the pointer lies
// on none (in the gaps between monitors of different sizes).
const Monitor& monitorUnder(const std::vector<Monitor>& monitors, const PixelPoint& pointer);
// The monitor of that name, or the primary one when it has gone.
const Monitor& monitorNamed(const std::vector<Monitor>& monitors, const QString& name);
// Where the strip rests on a monitor: `left` pixels from the monitor's left edge as far as its menu stays on that
// monitor, at the top of the monitor's work area.
PixelPoint restingPlace(const Monitor& monitor, int left);

} // namespace parlavo
