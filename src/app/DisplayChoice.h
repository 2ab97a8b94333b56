#pragma once

#include <QByteArray>

namespace plivant {

// In a Wayland session the program runs through XWayland when it is there: the skinned frame,
// the window shape, the popup's corner and the tray work the X11 way only. A platform the user
// chose (QT_QPA_PLATFORM) is kept; without XWayland the program runs as a native Wayland client.
// Made before the application object; Applied() once it exists, so that programs started from
// here (a web browser) choose for themselves.
class DisplayChoice {
public:
    DisplayChoice();
    void Applied();

    // "xcb;wayland" when the choice is XWayland, else empty.
    static QByteArray PlatformFor(const QByteArray& userChoice, const QByteArray& waylandDisplay,
                                  const QByteArray& x11Display);

private:
    bool set_ = false;
};

}  // namespace plivant
