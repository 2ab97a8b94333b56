#include "app/WindowActivation.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstring>

namespace plivant {

namespace {

constexpr uint32_t kSourcePager = 2;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// _NET_ACTIVE_WINDOW sent to the root window as a task bar sends it (source: pager).
bool AskX11WindowManager(QWidget* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return false;
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t active = Atom(connection, "_NET_ACTIVE_WINDOW");
    if (active == XCB_ATOM_NONE) return false;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = active;
    event.data.data32[0] = kSourcePager;
    event.data.data32[1] = XCB_CURRENT_TIME;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
    return true;
}

}  // namespace

void ActivateForUser(QWidget* window) {
    if (!window || !window->isVisible()) return;
    window->raise();
    if (!AskX11WindowManager(window)) window->activateWindow();
}

}  // namespace plivant
