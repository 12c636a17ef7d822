#include "core/qt_window_system.h"

#include "core/x11_active_window.h"
#include "core/x11_connection.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace parlavo {

namespace {

PixelRect pixelRect(const QRect& g) {
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

// By the window's own geometry rather than QWidget::screen(), which follows a move only once the event loop has run
// and is the primary screen for a window not yet shown.
const QScreen* screenHolding(QWidget* window) {
    if (!window)
        return QGuiApplication::primaryScreen();
    const QScreen* screen = QGuiApplication::screenAt(window->geometry().center());
    return screen ? screen : window->screen();
}

} // namespace

bool QtWindowSystem::pointerPosition(PixelPoint& point) {
    if (!QGuiApplication::primaryScreen())
        return false;
    const QPoint pos = QCursor::pos();
    // A button held on one of our windows (a drag) keeps the pointer ours wherever it goes. Otherwise the position
    // is stale once the pointer has left our windows, or once the desktop has had input that X never heard of.
    if (QGuiApplication::mouseButtons() == Qt::NoButton) {
        // Where the compositor reports the pointer itself (KDE), a report newer than anything X said wins: it
        // knows the pointer everywhere, if up to a moment late.
        const auto native = mCompositor.pointer();
        if (native && native->reportedMs >= mPresence.lastEventMs()) {
            point = native->position;
            return true;
        }
        const std::optional<qint64> lastInput = mInputClock.lastInputMs();
        if (!mPresence.isCurrent({pos.x(), pos.y()}) ||
            (lastInput && *lastInput > mPresence.lastEventMs() + kUnheardInputMs))
            return false;
    }
    point = {pos.x(), pos.y()};
    return true;
}

bool QtWindowSystem::moveWindow(QWidget* window, int x, int y, int width, int height) {
    if (!window)
        return false;
    const QRect wanted(x, y, width, height);
    if (window->geometry() != wanted) {
        window->setGeometry(wanted);
        if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            window->raise();
    }
    return true;
}

bool QtWindowSystem::placeOnTop(QWidget* window, int x, int y, int width, int height) {
    if (!window)
        return false;
    if (!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->setGeometry(x, y, width, height);
    if (window->isVisible())
        window->raise();
    return true;
}

// Restacking wakes the X server and the window manager; twice a second is often enough to win back
// the top from a window that was raised over the strip.
void QtWindowSystem::keepOnTop(QWidget* window) {
    if (!window || !window->isVisible())
        return;
    if (mLastRaise.isValid() && mLastRaise.elapsed() < kRaiseIntervalMs)
        return;
    mLastRaise.start();
    window->raise();
}

bool QtWindowSystem::windowRect(QWidget* window, PixelRect& rect) {
    if (!window)
        return false;
    rect = pixelRect(window->geometry());
    return true;
}

// While a native window of a Wayland desktop has the keyboard, X knows of no active window at all.
std::optional<ActiveWindow> QtWindowSystem::activeWindow() {
    const std::optional<ActiveWindow> x11 = readX11ActiveWindow();
    if (x11 && x11->exists)
        return x11;
    const std::optional<ActiveWindow> native = mCompositor.activeWindow();
    return native ? native : x11;
}

PixelRect QtWindowSystem::screenOf(QWidget* window) {
    const QScreen* screen = screenHolding(window);
    return screen ? pixelRect(screen->geometry()) : PixelRect{};
}

PixelRect QtWindowSystem::workAreaOf(QWidget* window) {
    const QScreen* screen = screenHolding(window);
    return screen ? pixelRect(screen->availableGeometry()) : WindowSystem::workAreaOf(window);
}

std::vector<Monitor> QtWindowSystem::monitors() {
    std::vector<Monitor> found;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const Monitor monitor{screen->name(), pixelRect(screen->geometry()), pixelRect(screen->availableGeometry())};
        found.insert(screen == primary ? found.begin() : found.end(), monitor);
    }
    if (found.empty())
        found.push_back({QString(), screenOf(nullptr), workAreaOf(nullptr)});
    return found;
}

Qt::WindowFlags borderlessWindowFlags(bool topmost) {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    if (onX11())
        flags |= Qt::X11BypassWindowManagerHint;
    if (topmost)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

void makeBorderlessWindow(QWidget* window, bool topmost) {
    window->setWindowFlags(borderlessWindowFlags(topmost));
    window->setAttribute(Qt::WA_ShowWithoutActivating);
}

} // namespace parlavo
