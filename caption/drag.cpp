#include "caption/drag.h"

#include "core/settings.h"

#include <algorithm>

namespace parlavo {

GrabOffset grabOffsetFor(const PixelPoint& pointer, const PixelRect& recordedWindow) {
    return {pointer.x - recordedWindow.left, pointer.y - recordedWindow.top};
}

DragTarget dragTarget(const PixelPoint& pointer, const GrabOffset& grab, const PixelRect& recordedWindow) {
    return {pointer.x - grab.x, pointer.y - grab.y, recordedWindow.width(), recordedWindow.height()};
}

namespace {

qint64 distanceSquared(const PixelRect& rect, const PixelPoint& point) {
    const qint64 dx = point.x - std::clamp(point.x, rect.left, rect.right - 1);
    const qint64 dy = point.y - std::clamp(point.y, rect.top, rect.bottom - 1);
    return dx * dx + dy * dy;
}

} // namespace

const Monitor& monitorUnder(const std::vector<Monitor>& monitors, const PixelPoint& pointer) {
    return *std::min_element(monitors.begin(), monitors.end(), [&pointer](const Monitor& a, const Monitor& b) {
        return distanceSquared(a.area, pointer) < distanceSquared(b.area, pointer);
    });
}

const Monitor& monitorNamed(const std::vector<Monitor>& monitors, const QString& name) {
    const auto named =
        std::find_if(monitors.begin(), monitors.end(), [&name](const Monitor& m) { return m.name == name; });
    return named != monitors.end() ? *named : monitors.front();
}

PixelPoint restingPlace(const Monitor& monitor, int left) {
    return {monitor.area.left + clampStripLeft(left, monitor.area.width()), monitor.workArea.top};
}

} // namespace parlavo
