#include "ui/common/Taskbar.h"

#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

} // namespace

void KeepOutOfTaskbar(QWidget* window) {
    // The offscreen platform offers the interface too, without a connection.
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skip = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE) {
        return;
    }
    // On a window that is not mapped yet, the states are the program's to
    // set; Qt adds its own to them as it maps the window.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window->winId()), state, XCB_ATOM_ATOM, 32, 1,
                        &skip);
}
