#pragma once

class QWidget;

namespace skin {

// Message boxes and Qt's standard dialogs: skinned when they are shown, while the engine's
// SkinDialogs is on.
bool IsStandardDialog(const QWidget* widget);

// A window of the application itself: a top-level widget that is no standard dialog, menu, tool
// tip, popup, splash screen or window the window manager does not manage.
bool IsApplicationForm(const QWidget* widget);

// A form made as a plain QWidget, QDialog or QMainWindow rather than as a class of its own:
// skinned whenever it is activated.
bool IsPlainForm(const QWidget* widget);

}  // namespace skin
