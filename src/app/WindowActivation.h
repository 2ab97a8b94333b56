#pragma once

class QWidget;

namespace plivant {

// Brings a shown top-level window to the front for a request the user made elsewhere (starting
// the program again). On X11 it asks the window manager the way a task bar does: an
// application's own request would count as stealing the focus and only make the window blink.
void ActivateForUser(QWidget* window);

}  // namespace plivant
