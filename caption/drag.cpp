#include "caption/drag.h"

namespace parlavo {

GrabOffset grabOffsetFor(const PixelPoint& pointer, const PixelRect& recordedWindow) {
    return {pointer.x - recordedWindow.left, pointer.y - recordedWindow.top};
}

DragTarget dragTarget(const PixelPoint& pointer, const GrabOffset& grab, const PixelRect& recordedWindow) {
    return {pointer.x - grab.x, pointer.y - grab.y, recordedWindow.width(), recordedWindow.height()};
}

} // namespace parlavo
