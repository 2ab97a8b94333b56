#pragma once

class QWidget;

namespace skin {

class WindowEngine;

// Whether the form that holds `control` is to be drawn active. A form wearing the skin answers
// through its skin window; otherwise an inactive application has no active form, the engine's own
// form counts as active, and any other form when it is the active window. A control that is a
// window itself has no form.
bool IsFormActive(const WindowEngine& engine, const QWidget* control);

}  // namespace skin
