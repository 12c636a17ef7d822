#include "agent/bird/topmost_keeper.h"

#include "core/x11_connection.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstring>

namespace parlavo {

namespace {

// Long enough to take a burst of changes (a window mapped, framed, focused and restacked) in one go, and to keep a
// window manager that answers every restack with one of its own from turning the exchange into a busy loop.
constexpr int kRaiseDelayMs = 30;

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, quint16(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

TopmostKeeper::TopmostKeeper() {
    raiseSoon_.setSingleShot(true);
    raiseSoon_.setInterval(kRaiseDelayMs);
    connect(&raiseSoon_, &QTimer::timeout, this, &TopmostKeeper::raiseAll);

    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    root_ = x11Root(connection);
    clientMask_ = ~xcb_get_setup(connection)->resource_id_mask;
    wmCheckAtom_ = atomNamed(connection, "_NET_SUPPORTING_WM_CHECK");
    findWindowManager();
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root_), nullptr));
    if (!attributes) {
        root_ = 0;
        return;
    }
    // Event masks are kept per client: this adds to what Qt asked of the root window, for this program only.
    rootEventMask_ = attributes->your_event_mask;
    const quint32 mask = rootEventMask_ | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    qGuiApp->installNativeEventFilter(this);
}

TopmostKeeper::~TopmostKeeper() {
    if (!root_)
        return;
    qGuiApp->removeNativeEventFilter(this);
    if (xcb_connection_t* connection = x11Connection()) {
        xcb_change_window_attributes(connection, root_, XCB_CW_EVENT_MASK, &rootEventMask_);
        xcb_flush(connection);
    }
}

void TopmostKeeper::add(QWidget* window) {
    windows_.append(window);
}

// Some window managers (i3, for one) frame their windows in windows that bypass window management themselves.
// They are told from other programs' menus and tooltips by who made them: the client that made the window
// manager's own check window.
void TopmostKeeper::findWindowManager() {
    windowManager_ = 0;
    xcb_connection_t* connection = x11Connection();
    if (!connection || wmCheckAtom_ == XCB_ATOM_NONE)
        return;
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root_, wmCheckAtom_, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) >= 4)
        windowManager_ = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get())) & clientMask_;
}

bool TopmostKeeper::isWindowManagers(quint32 window) const {
    return windowManager_ != 0 && (window & clientMask_) == windowManager_;
}

void TopmostKeeper::raiseAll() {
    for (const QPointer<QWidget>& window : windows_) {
        if (window && window->isVisible())
            window->raise();
    }
}

bool TopmostKeeper::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    xcb_window_t parent = 0;
    xcb_window_t window = 0;
    bool managed = false; // a change to a window the window manager stacks
    switch (event->response_type & ~0x80) {
    case XCB_PROPERTY_NOTIFY: {
        // Qt asked for these; it sees them too.
        const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (property->window == root_ && property->atom == wmCheckAtom_)
            findWindowManager();
        return false;
    }
    case XCB_MAP_NOTIFY: {
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        parent = map->event;
        window = map->window;
        managed = !map->override_redirect || isWindowManagers(window);
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        parent = configure->event;
        window = configure->window;
        managed = !configure->override_redirect || isWindowManagers(window);
        break;
    }
    case XCB_CREATE_NOTIFY:
        parent = reinterpret_cast<const xcb_create_notify_event_t*>(event)->parent;
        window = reinterpret_cast<const xcb_create_notify_event_t*>(event)->window;
        break;
    case XCB_UNMAP_NOTIFY:
    case XCB_DESTROY_NOTIFY:
    case XCB_REPARENT_NOTIFY:
    case XCB_GRAVITY_NOTIFY:
    case XCB_CIRCULATE_NOTIFY:
        // These share the layout of the first fields: the window told, then the window changed.
        parent = reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->event;
        window = reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window;
        break;
    default:
        return false;
    }
    // Only the copies that the root window's children send because of our request; Qt's own go on to Qt.
    if (parent != root_ || window == root_)
        return false;
    if (managed && !raiseSoon_.isActive())
        raiseSoon_.start();
    return !(rootEventMask_ & XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
}

} // namespace parlavo
