#pragma once

#include "caption/drag.h"
#include "core/window_system.h"

#include <QHash>
#include <QRect>

namespace parlavo::test {

// Windows, monitors and a pointer that exist only in memory; tests move the pointer by hand. The primary monitor,
// "primary", stands at 0,0; others may be added.
class FakeWindowSystem final : public WindowSystem {
public:
    int screenWidthPixels = 1920;
    int screenHeightPixels = 1080;
    std::vector<Monitor> otherMonitors;
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
    std::optional<PixelRect> workArea; // the primary monitor's; all of it when unset
    std::vector<Monitor> monitors() override {
        const PixelRect primary{0, 0, screenWidthPixels, screenHeightPixels};
        std::vector<Monitor> all{{QStringLiteral("primary"), primary, workArea.value_or(primary)}};
        all.insert(all.end(), otherMonitors.begin(), otherMonitors.end());
        return all;
    }
    // The monitor that holds the window's centre, or the nearest; the primary one for no window.
    PixelRect screenOf(QWidget* window) override { return monitorOf(window).area; }
    PixelRect workAreaOf(QWidget* window) override { return monitorOf(window).workArea; }

    QRect geometry(QWidget* window) const { return mGeometry.value(window); }

private:
    Monitor monitorOf(QWidget* window) {
        const QPoint centre = mGeometry.value(window).center();
        return monitorUnder(monitors(), {centre.x(), centre.y()});
    }
    QHash<QWidget*, QRect> mGeometry;
};

} // namespace parlavo::test
