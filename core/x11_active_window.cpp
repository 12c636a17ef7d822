#include "core/x11_active_window.h"

#include "core/x11_connection.h"

#include <QWindow>

#include <cstring>

namespace parlavo {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The atoms are the same for the whole connection: ask the server once.
struct Atoms {
    xcb_atom_t activeWindow;
    xcb_atom_t state;
    xcb_atom_t fullScreen;
};

const Atoms& atomsOf(xcb_connection_t* connection) {
    static const Atoms atoms{internAtom(connection, "_NET_ACTIVE_WINDOW"), internAtom(connection, "_NET_WM_STATE"),
                             internAtom(connection, "_NET_WM_STATE_FULLSCREEN")};
    return atoms;
}

XcbReply<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                            xcb_atom_t type, uint32_t length) {
    return XcbReply<xcb_get_property_reply_t>(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, type, 0, length), nullptr));
}

bool isOurs(xcb_window_t window) {
    for (const QWindow* ours : QGuiApplication::allWindows()) {
        if (ours->handle() && ours->winId() == window)
            return true;
    }
    return false;
}

PixelRect rectOnRoot(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window) {
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    const XcbReply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr));
    if (!geometry || !origin)
        return {};
    return {origin->dst_x, origin->dst_y, origin->dst_x + geometry->width, origin->dst_y + geometry->height};
}

} // namespace

std::optional<ActiveWindow> readX11ActiveWindow() {
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return std::nullopt;
    const xcb_window_t root = x11Root(connection);
    const Atoms& atoms = atomsOf(connection);

    const auto active = property(connection, root, atoms.activeWindow, XCB_ATOM_WINDOW, 1);
    if (!active || active->type != XCB_ATOM_WINDOW || xcb_get_property_value_length(active.get()) < 4)
        return std::nullopt;
    ActiveWindow result;
    const xcb_window_t window = *static_cast<const xcb_window_t*>(xcb_get_property_value(active.get()));
    if (window == XCB_WINDOW_NONE)
        return result;
    result.exists = true;
    result.ours = isOurs(window);

    const auto state = property(connection, window, atoms.state, XCB_ATOM_ATOM, 32);
    if (state && state->type == XCB_ATOM_ATOM) {
        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(state.get()));
        const int count = xcb_get_property_value_length(state.get()) / static_cast<int>(sizeof(xcb_atom_t));
        for (int i = 0; i < count; ++i)
            result.fullScreen = result.fullScreen || values[i] == atoms.fullScreen;
    }
    if (result.fullScreen)
        result.rect = rectOnRoot(connection, root, window);
    return result;
}

} // namespace parlavo
