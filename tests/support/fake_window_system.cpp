#include "tests/support/fake_window_system.h"

namespace parlavo::test {

bool FakeWindowSystem::pointerPosition(PixelPoint& point) {
    if (!cursorReadable)
        return false;
    point = pointer;
    return true;
}

bool FakeWindowSystem::moveWindow(QWidget* window, int x, int y, int width, int height) {
    mGeometry[window] = QRect(x, y, width, height);
    return true;
}

bool FakeWindowSystem::placeOnTop(QWidget* window, int x, int y, int width, int height) {
    mGeometry[window] = QRect(x, y, width, height);
    return true;
}

bool FakeWindowSystem::windowRect(QWidget* window, PixelRect& rect) {
    const QRect g = mGeometry.value(window);
    rect = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    return true;
}

std::vector<Monitor> FakeWindowSystem::monitors() {
    const PixelRect primary{0, 0, screenWidthPixels, screenHeightPixels};
    std::vector<Monitor> all{{QStringLiteral("primary"), primary, workArea.value_or(primary)}};
    all.insert(all.end(), otherMonitors.begin(), otherMonitors.end());
    return all;
}

} // namespace parlavo::test
