#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <functional>
#include <optional>
#include <set>
#include <string>

namespace plivant::bench {

// Watches an X display from the outside for the first top-level window of a given title: when
// the server maps it and when a client first draws into it. Start watching before the program
// starts, so that no window is missed.
class WindowWatch {
public:
    using Clock = std::chrono::steady_clock;
    struct Times {
        Clock::time_point Mapped;
        Clock::time_point Painted;
    };

    // Throws std::runtime_error when the display cannot be opened or lacks the Damage extension.
    explicit WindowWatch(const std::string& display);
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // Waits at most `limit` for a window titled `title` to be mapped and drawn into; `atPaint`
    // runs the moment the drawing is seen.
    std::optional<Times> WaitFor(const std::string& title, std::chrono::milliseconds limit,
                                 const std::function<void()>& atPaint = {});

private:
    std::string Title(xcb_window_t window);
    void Track(xcb_window_t window);
    void Forget();
    bool Handle(xcb_generic_event_t* event, const std::string& title);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
    std::set<xcb_window_t> tracked_;
    std::set<uint32_t> damages_;
    xcb_window_t target_ = 0;
    std::optional<Times> times_;
};

}  // namespace plivant::bench
