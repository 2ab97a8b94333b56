#pragma once

#include <QColor>
#include <QImage>

#include "skin/data/Bitmap.h"

namespace skin {

class TSkinEngine;

// Small helpers the control painters share.

// The skin's form colour; the palette's window colour when the skin has none.
QColor FormColour(const TSkinEngine& engine);
// A colour of the skin by its index, or `fallback` when the skin has none.
QColor SkinColour(const TSkinEngine& engine, int colour, const QColor& fallback);
// A copy of the picture turned by `turn` (RotateLeft, Rotate180 or RotateRight).
QImage TurnedImage(const QImage& image, void (*turn)(Bitmap&));
// The window system's focus rectangle: every other pixel of the rectangle's outline inverted.
void DrawFocusRect(QImage& picture, const QRect& rect);

}  // namespace skin
