#include "WindowWatch.h"

#include <poll.h>
#include <xcb/damage.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace plivant::bench {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

}  // namespace

WindowWatch::WindowWatch(const std::string& display) {
    connection_ = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot open display " + display);
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present) {
        xcb_disconnect(connection_);
        throw std::runtime_error("display " + display + " has no Damage extension");
    }
    damageEvent_ = damage->first_event;
    Reply<xcb_damage_query_version_reply_t> version(
        xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1),
                                       nullptr),
        &std::free);
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    // Top-level windows are children of the root: their creation and mapping show here.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

WindowWatch::~WindowWatch() {
    Forget();
    xcb_disconnect(connection_);
}

std::string WindowWatch::Title(xcb_window_t window) {
    static const xcb_atom_t netName = Atom(connection_, "_NET_WM_NAME");
    for (xcb_atom_t property : {netName, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, window, property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                                   nullptr),
            &std::free);
        if (reply && xcb_get_property_value_length(reply.get()) > 0) {
            return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                               size_t(xcb_get_property_value_length(reply.get())));
        }
    }
    return {};
}

// Every new top-level window reports drawing from its creation on, before it can be painted.
void WindowWatch::Track(xcb_window_t window) {
    if (!tracked_.insert(window).second) return;
    const xcb_damage_damage_t damage = xcb_generate_id(connection_);
    xcb_damage_create(connection_, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    damages_.insert(damage);
    xcb_flush(connection_);
}

void WindowWatch::Forget() {
    for (uint32_t damage : damages_) xcb_damage_destroy(connection_, damage);
    damages_.clear();
    tracked_.clear();
    xcb_flush(connection_);
}

bool WindowWatch::Handle(xcb_generic_event_t* event, const std::string& title) {
    const uint8_t type = event->response_type & 0x7F;
    const auto now = Clock::now();
    if (type == XCB_CREATE_NOTIFY) {
        auto* create = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (create->parent == root_) Track(create->window);
    } else if (type == XCB_MAP_NOTIFY) {
        auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (!target_ && tracked_.count(map->window) && Title(map->window) == title) {
            target_ = map->window;
            times_ = Times{now, {}};
        }
    } else if (type == damageEvent_ + XCB_DAMAGE_NOTIFY) {
        auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event);
        xcb_damage_subtract(connection_, damage->damage, XCB_NONE, XCB_NONE);
        if (target_ && damage->drawable == target_) {
            times_->Painted = now;
            return true;
        }
    }
    return false;
}

std::optional<WindowWatch::Times> WindowWatch::WaitFor(const std::string& title,
                                                       std::chrono::milliseconds limit,
                                                       const std::function<void()>& atPaint) {
    target_ = 0;
    times_.reset();
    const auto end = Clock::now() + limit;
    bool done = false;
    while (!done && Clock::now() < end) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection_);
        if (!event) {
            if (xcb_connection_has_error(connection_)) break;
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
            poll(&fd, 1, int(std::max<long>(1, left.count())));
            continue;
        }
        done = Handle(event, title);
        std::free(event);
        if (done && atPaint) atPaint();
    }
    Forget();
    if (!done) return std::nullopt;
    return times_;
}

}  // namespace plivant::bench
