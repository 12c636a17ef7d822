#pragma once

#include "core/window_system.h"

#include <QAbstractNativeEventFilter>

namespace parlavo {

// Whether the pointer is over one of this program's windows, as the X server's crossing events tell it. Under
// XWayland the server keeps answering the position the pointer last had over an X window once it has moved onto a
// native Wayland window, so a position read then is stale: only the leave event says the pointer went. After a
// leave, the position read at that moment stays stale until the pointer enters one of our windows again or the
// server reports it somewhere else. Crossings caused by grabs (a popup menu opening or closing) are not moves and
// are ignored. Elsewhere than on X11 it never sees an event and every position counts.
class X11PointerPresence final : public QAbstractNativeEventFilter {
public:
    X11PointerPresence();
    ~X11PointerPresence() override;

    // False when `position` is the one the pointer had when it left our windows and it has not come back since.
    bool isCurrent(const PixelPoint& position) const;
    // When the pointer last moved over, entered or left one of our windows, on the steady clock (steadyNowMs).
    qint64 lastEventMs() const { return mLastEventMs; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void crossed(bool entered, quint32 window, int mode, int detail, int rootX, int rootY);
    void moved(quint32 window);

    quint32 mRoot = 0;
    int mInputExtension = -1; // the XInput extension's major opcode, -1 without it
    bool mLeft = false;
    PixelPoint mLeftAt;
    qint64 mLastEventMs = 0;
};

// Milliseconds on a clock that never goes back, shared by everything that compares input times.
qint64 steadyNowMs();

} // namespace parlavo
