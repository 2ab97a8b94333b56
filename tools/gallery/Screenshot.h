#pragma once

#include <QString>

class QWidget;

namespace gallery {

// Saves the window's area of the screen, frame included, as a PNG; the widget's own picture
// where the platform cannot grab the screen. False when nothing could be saved.
bool SaveScreenshot(QWidget* window, const QString& path);

// Once the front window (a modal dialog or message box, else `form`) is shown and painted,
// saves it to `path` and ends the program with 0, or 1 when saving failed.
void ScreenshotWhenShown(QWidget* form, const QString& path);

}  // namespace gallery
