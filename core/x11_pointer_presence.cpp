#include "core/x11_pointer_presence.h"

#include "core/x11_connection.h"

#include <xcb/xinput.h>

#include <chrono>
#include <cstring>

namespace parlavo {

namespace {

// Core and XInput crossing events share these codes for their modes and details.
constexpr int kModeNormal = XCB_NOTIFY_MODE_NORMAL;
constexpr int kModeWhileGrabbed = XCB_NOTIFY_MODE_WHILE_GRABBED;
constexpr int kDetailInferior = XCB_NOTIFY_DETAIL_INFERIOR;

int inputExtensionOpcode(xcb_connection_t* connection) {
    const char name[] = "XInputExtension";
    const XcbReply<xcb_query_extension_reply_t> reply(
        xcb_query_extension_reply(connection, xcb_query_extension(connection, std::strlen(name), name), nullptr));
    return reply && reply->present ? reply->major_opcode : -1;
}

} // namespace

X11PointerPresence::X11PointerPresence() {
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    mRoot = x11Root(connection);
    mInputExtension = inputExtensionOpcode(connection);
    qGuiApp->installNativeEventFilter(this);
}

X11PointerPresence::~X11PointerPresence() {
    if (mRoot && qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

qint64 steadyNowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool X11PointerPresence::isCurrent(const PixelPoint& position) const {
    return !mLeft || position.x != mLeftAt.x || position.y != mLeftAt.y;
}

// Qt asks for XInput's crossing events where the server has them, and the core ones otherwise; while a popup holds
// the pointer only the XInput ones come, so both kinds are read. Qt sees every event too.
bool X11PointerPresence::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int type = event->response_type & ~0x80;
    if (type == XCB_MOTION_NOTIFY) {
        moved(reinterpret_cast<const xcb_motion_notify_event_t*>(event)->event);
    } else if (type == XCB_ENTER_NOTIFY || type == XCB_LEAVE_NOTIFY) {
        const auto* crossing = reinterpret_cast<const xcb_enter_notify_event_t*>(event);
        crossed(type == XCB_ENTER_NOTIFY, crossing->event, crossing->mode, crossing->detail, crossing->root_x,
                crossing->root_y);
    } else if (type == XCB_GE_GENERIC) {
        const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
        if (generic->extension != mInputExtension)
            return false;
        if (generic->event_type == XCB_INPUT_MOTION)
            moved(reinterpret_cast<const xcb_input_motion_event_t*>(event)->event);
        if (generic->event_type != XCB_INPUT_ENTER && generic->event_type != XCB_INPUT_LEAVE)
            return false;
        const auto* crossing = reinterpret_cast<const xcb_input_enter_event_t*>(event);
        // Positions are 16.16 fixed point.
        crossed(generic->event_type == XCB_INPUT_ENTER, crossing->event, crossing->mode, crossing->detail,
                crossing->root_x >> 16, crossing->root_y >> 16);
    }
    return false;
}

void X11PointerPresence::moved(quint32 window) {
    if (window != mRoot)
        mLastEventMs = steadyNowMs();
}

void X11PointerPresence::crossed(bool entered, quint32 window, int mode, int detail, int rootX, int rootY) {
    if (window == mRoot)
        return;
    mLastEventMs = steadyNowMs();
    if (entered) {
        mLeft = false;
    } else if ((mode == kModeNormal || mode == kModeWhileGrabbed) && detail != kDetailInferior) {
        mLeft = true;
        mLeftAt = {rootX, rootY};
    }
}

} // namespace parlavo
