#pragma once

#include "core/window_system.h"

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

} // namespace parlavo
