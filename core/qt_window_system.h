#pragma once

#include "core/compositor_window_report.h"
#include "core/desktop_input_clock.h"
#include "core/window_system.h"
#include "core/x11_pointer_presence.h"

#include <QElapsedTimer>

namespace parlavo {

// Real windows through Qt. On X11 the windows it places bypass the window manager (so they land
// exactly where asked), which also means nobody else keeps them on top: every move raises them. On a Wayland
// desktop, where X sees neither the pointer over native windows nor which of them is active, it asks the
// compositor where it can.
class QtWindowSystem final : public WindowSystem {
public:
    bool pointerPosition(PixelPoint& point) override;
    bool moveWindow(QWidget* window, int x, int y, int width, int height) override;
    bool placeOnTop(QWidget* window, int x, int y, int width, int height) override;
    void keepOnTop(QWidget* window) override;
    bool windowRect(QWidget* window, PixelRect& rect) override;
    std::optional<ActiveWindow> activeWindow() override;
    PixelRect screenOf(QWidget* window) override;
    PixelRect workAreaOf(QWidget* window) override;
    std::vector<Monitor> monitors() override;

private:
    static constexpr qint64 kRaiseIntervalMs = 450; // twice a second, from fast or idle pointer ticks
    // Input this long after the last pointer event X gave us went elsewhere; less may be the same motion.
    static constexpr qint64 kUnheardInputMs = 100;
    QElapsedTimer mLastRaise;
    X11PointerPresence mPresence;
    DesktopInputClock mInputClock;
    CompositorWindowReport mCompositor;
};

// The flags of a top-level window without a frame, a taskbar entry or the keyboard, above other windows when
// topmost. On X11 it also bypasses the window manager: only then does it land exactly where it is put, since most
// window managers place floating windows by their own rules (centred, cascaded, under the pointer). Nobody then
// keeps it on top but the program itself, as no window manager does it any more.
Qt::WindowFlags borderlessWindowFlags(bool topmost);
// Gives the window those flags, and shows it from now on without taking the keyboard.
void makeBorderlessWindow(QWidget* window, bool topmost);

} // namespace parlavo
