#include "app/DisplayChoice.h"

#include <QtGlobal>

namespace plivant {

namespace {
constexpr const char* kPlatformVariable = "QT_QPA_PLATFORM";
}

QByteArray DisplayChoice::PlatformFor(const QByteArray& userChoice,
                                      const QByteArray& waylandDisplay,
                                      const QByteArray& x11Display) {
    if (!userChoice.isEmpty() || waylandDisplay.isEmpty() || x11Display.isEmpty()) return {};
    // Native Wayland should XWayland fail to start.
    return "xcb;wayland";
}

DisplayChoice::DisplayChoice() {
    const QByteArray platform =
        PlatformFor(qgetenv(kPlatformVariable), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (platform.isEmpty()) return;
    qputenv(kPlatformVariable, platform);
    set_ = true;
}

void DisplayChoice::Applied() {
    if (set_) qunsetenv(kPlatformVariable);
    set_ = false;
}

}  // namespace plivant
