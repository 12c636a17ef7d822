#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

class QWidget;

namespace parlavo {

struct PixelPoint {
    qint32 x = 0;
    qint32 y = 0;
};

// A screen rectangle in pixels; right and bottom lie just outside it.
struct PixelRect {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;
    qint32 width() const { return right - left; }
    qint32 height() const { return bottom - top; }
};

// True when left <= x < right and top <= y < bottom.
inline bool rectContains(const PixelRect& rect, const PixelPoint& point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// One monitor of the desktop, as the window system names it (on X11 the RandR output: "HDMI-1").
struct Monitor {
    QString name;
    PixelRect area;
    PixelRect workArea; // what the desktop's panels leave free of it
};

// The window that has the keyboard, as the window manager announces it.
struct ActiveWindow {
    bool exists = false;     // false when no window is active
    bool ours = false;       // one of this program's own windows
    bool fullScreen = false; // the window manager has put it in full screen
    PixelRect rect;          // where it stands; read only for a full-screen window
};

// Every call that touches real windows, the pointer or the screen goes through here, so tests can
// stand in a fake that they move by hand. Positions and sizes of windows are in pixels.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // The pointer's screen position; false (and the point untouched) when it cannot be read, which includes a
    // pointer that has gone where this program cannot follow it (onto a native window of a Wayland desktop).
    virtual bool pointerPosition(PixelPoint& point) = 0;

    // Places and sizes a top-level window.
    virtual bool moveWindow(QWidget* window, int x, int y, int width, int height) = 0;
    // Places and sizes a window and puts it above every normal window.
    virtual bool placeOnTop(QWidget* window, int x, int y, int width, int height) = 0;
    // Puts a window that should stay above others back on top; cheap enough to ask on every timer tick.
    virtual void keepOnTop(QWidget* window) = 0;
    // The window's screen rectangle; false (and the rectangle untouched) when it cannot be read.
    virtual bool windowRect(QWidget* window, PixelRect& rect) = 0;

    // The active window, or nothing when the window manager does not say which one is active.
    virtual std::optional<ActiveWindow> activeWindow() { return std::nullopt; }
    // The monitor that holds the window's centre (the one it was last on when it lies on none), or the primary
    // monitor for none.
    virtual PixelRect screenOf(QWidget* window) = 0;
    // The part of that monitor the desktop's panels leave free; the whole monitor unless told otherwise.
    virtual PixelRect workAreaOf(QWidget* window) { return screenOf(window); }
    // Every monitor, the primary one first; never empty.
    virtual std::vector<Monitor> monitors() = 0;
};

} // namespace parlavo
