#pragma once

#include "skin/data/BitmapOps.h"

// Value-returning forms of the picture operations, for painters that compose new pictures.
// The pixel work itself is the skin data library's.
namespace skin {

// Frame `index` (1-based) of `frames` equal-width frames side by side. A missing source, no
// frames or an index outside 1..frames give an empty bitmap. The frame keeps the source's
// transparent colour and mode.
Bitmap FrameOf(const Bitmap& source, int frames, int index);

// Quarter turn anticlockwise, quarter turn clockwise, half turn.
Bitmap RotatedLeft(const Bitmap& bitmap);
Bitmap RotatedRight(const Bitmap& bitmap);
Bitmap Rotated180(const Bitmap& bitmap);

}  // namespace skin
