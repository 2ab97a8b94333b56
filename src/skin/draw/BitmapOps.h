#pragma once

#include "skin/data/Bitmap.h"

namespace skin {

// Frame `index` (1-based) of `frames` equal-width frames side by side. The frame width is the
// source width div frames; a missing source, no frames or an index outside 1..frames give an
// empty bitmap. The frame keeps the source's transparent colour and mode.
Bitmap SliceBitmap(const Bitmap& source, int frames, int index);

// Quarter turn anticlockwise: pixel (x, y) goes to (y, width - 1 - x).
Bitmap RotateLeft(const Bitmap& bitmap);
// Quarter turn clockwise: pixel (x, y) goes to (height - 1 - y, x).
Bitmap RotateRight(const Bitmap& bitmap);
// Half turn: pixel (x, y) goes to (width - 1 - x, height - 1 - y).
Bitmap Rotate180(const Bitmap& bitmap);

// Every pixel of colour `from` becomes `to`.
void ReplaceColor(Bitmap& bitmap, ColorRef from, ColorRef to);

}  // namespace skin
