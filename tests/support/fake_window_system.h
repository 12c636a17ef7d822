#pragma once

#include "core/window_system.h"

#include <QHash>
#include <QRect>

namespace parlavo::test {

// Windows, a screen and a pointer that exist only in memory; tests move the pointer by hand.
class FakeWindowSystem final : public WindowSystem {
public:
    int screenWidthPixels = 1920;
    int screenHeightPixels = 1080;
    PixelPoint pointer{5000, 5000};
    bool cursorReadable = true;

    bool pointerPosition(PixelPoint& point) override {
        point = cursorReadable ? pointer : point;
        return cursorReadable;
    }
    bool moveWindow(QWidget* window, int x, int y, int width, int height) override {
        mGeometry[window] = QRect(x, y, width, height);
        return true;
    }
    bool placeOnTop(QWidget* window, int x, int y, int width, int height) override {
        return moveWindow(window, x, y, width, height);
    }
    void keepOnTop(QWidget*) override {}
    bool windowRect(QWidget* window, PixelRect& rect) override {
        const QRect g = mGeometry.value(window);
        rect = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
        return true;
    }
    std::optional<ActiveWindow> active;
    std::optional<ActiveWindow> activeWindow() override { return active; }
    PixelRect screenOf(QWidget*) override { return {0, 0, screenWidthPixels, screenHeightPixels}; }
    std::optional<PixelRect> workArea; // the whole screen when unset
    PixelRect workAreaOf(QWidget* window) override { return workArea.value_or(screenOf(window)); }

    QRect geometry(QWidget* window) const { return mGeometry.value(window); }

private:
    QHash<QWidget*, QRect> mGeometry;
};

} // namespace parlavo::test
