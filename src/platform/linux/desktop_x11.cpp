// Desktop pinning on X11 through EWMH hints written with xcb.
//
// The window becomes a desktop-type window (window managers keep those on
// the bottom layer and leave them alone on "show desktop", which hides only
// normal windows), and also asks for the below, sticky and skip-taskbar/pager
// states for window managers that ignore the type.
#include "platform/desktop.h"

#include "common/log.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace desktop {

namespace {

struct free_deleter
{
    void operator()(void *p) const { std::free(p); }
};
template <class T>
using reply_ptr = std::unique_ptr<T, free_deleter>;

void say_once(const char *what)
{
    static bool said = false;
    if (!said) {
        said = true;
        qCInfo(lc_platform) << what;
    }
}

xcb_atom_t intern(xcb_connection_t *c, const char *name)
{
    const xcb_intern_atom_cookie_t ck = xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name);
    reply_ptr<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(c, ck, nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<xcb_atom_t> atom_list(xcb_connection_t *c, xcb_window_t w, xcb_atom_t property)
{
    std::vector<xcb_atom_t> atoms;
    const xcb_get_property_cookie_t ck = xcb_get_property(c, 0, w, property, XCB_ATOM_ATOM, 0, 1024);
    reply_ptr<xcb_get_property_reply_t> r(xcb_get_property_reply(c, ck, nullptr));
    if (r && r->format == 32 && r->type == XCB_ATOM_ATOM) {
        const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
        atoms.assign(data, data + xcb_get_property_value_length(r.get()) / 4);
    }
    return atoms;
}

bool is_mapped(xcb_connection_t *c, xcb_window_t w)
{
    reply_ptr<xcb_get_window_attributes_reply_t> r(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
    return r && r->map_state != XCB_MAP_STATE_UNMAPPED;
}

xcb_window_t root_of(xcb_connection_t *c, xcb_window_t w)
{
    reply_ptr<xcb_get_geometry_reply_t> r(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    return r ? r->root : xcb_window_t(XCB_WINDOW_NONE);
}

// A mapped window's state belongs to the window manager: ask it.
void request_state(xcb_connection_t *c, xcb_window_t w, xcb_atom_t net_wm_state, xcb_atom_t a, xcb_atom_t b)
{
    const xcb_window_t root = root_of(c, w);
    if (root == XCB_WINDOW_NONE)
        return;
    xcb_client_message_event_t ev{};
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = w;
    ev.type = net_wm_state;
    ev.data.data32[0] = 1; // _NET_WM_STATE_ADD
    ev.data.data32[1] = a;
    ev.data.data32[2] = b;
    ev.data.data32[3] = 1; // source: an application
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&ev));
}

} // namespace

bool is_x11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

void pin_to_desktop(QWidget *window)
{
    if (!window)
        return;
    if (!is_x11()) {
        say_once("not an X11 session: the clock is not pinned to the desktop");
        return;
    }
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c) {
        say_once("no X11 connection: the clock is not pinned to the desktop");
        return;
    }
    const auto w = xcb_window_t(window->winId());

    const xcb_atom_t type = intern(c, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t type_desktop = intern(c, "_NET_WM_WINDOW_TYPE_DESKTOP");
    const xcb_atom_t state = intern(c, "_NET_WM_STATE");
    const xcb_atom_t wanted[] = {intern(c, "_NET_WM_STATE_BELOW"), intern(c, "_NET_WM_STATE_STICKY"),
                                 intern(c, "_NET_WM_STATE_SKIP_TASKBAR"), intern(c, "_NET_WM_STATE_SKIP_PAGER")};
    const xcb_atom_t wm_desktop = intern(c, "_NET_WM_DESKTOP");
    if (type == XCB_ATOM_NONE || state == XCB_ATOM_NONE) {
        qCWarning(lc_platform) << "cannot intern the EWMH atoms: the clock is not pinned";
        return;
    }

    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, type, XCB_ATOM_ATOM, 32, 1, &type_desktop);
    const uint32_t all_desktops = 0xFFFFFFFFu;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, wm_desktop, XCB_ATOM_CARDINAL, 32, 1, &all_desktops);

    if (is_mapped(c, w)) {
        request_state(c, w, state, wanted[0], wanted[1]);
        request_state(c, w, state, wanted[2], wanted[3]);
    } else {
        // Before mapping the client owns the property; keep what is there.
        std::vector<xcb_atom_t> atoms = atom_list(c, w, state);
        for (xcb_atom_t a : wanted)
            if (a != XCB_ATOM_NONE && std::find(atoms.begin(), atoms.end(), a) == atoms.end())
                atoms.push_back(a);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, state, XCB_ATOM_ATOM, 32, uint32_t(atoms.size()),
                            atoms.data());
    }
    xcb_flush(c);
}

} // namespace desktop
