#pragma once

#include <QImage>
#include <QRect>

namespace skin {

// The window system's focus rectangle: every other pixel of a 1-pixel frame just inside `rect`
// inverted, so that it shows on any face.
void DrawFocusRect(QImage& image, const QRect& rect);

}  // namespace skin
