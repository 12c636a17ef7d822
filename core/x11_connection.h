#pragma once

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace parlavo {

// Whether Qt runs on X11 (its xcb platform), Xwayland included.
inline bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// The X connection Qt's xcb platform uses, or null on any other platform.
inline xcb_connection_t* x11Connection() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

inline xcb_window_t x11Root(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

struct FreeXcbReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using XcbReply = std::unique_ptr<Reply, FreeXcbReply>;

} // namespace parlavo
