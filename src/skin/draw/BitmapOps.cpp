#include "skin/draw/BitmapOps.h"

namespace skin {

Bitmap FrameOf(const Bitmap& source, int frames, int index) {
    if (source.IsEmpty() || frames < 1 || index < 1 || index > frames) return {};
    if (source.Width() / frames < 1) return {};
    Bitmap frame;
    SliceBitmap(&source, frame, frames, index);
    return frame;
}

namespace {
template <typename Turn>
Bitmap Turned(const Bitmap& bitmap, Turn turn) {
    Bitmap copy = bitmap;
    turn(copy);
    return copy;
}
}  // namespace

Bitmap RotatedLeft(const Bitmap& bitmap) {
    return Turned(bitmap, [](Bitmap& b) { RotateLeft(b); });
}

Bitmap RotatedRight(const Bitmap& bitmap) {
    return Turned(bitmap, [](Bitmap& b) { RotateRight(b); });
}

Bitmap Rotated180(const Bitmap& bitmap) {
    return Turned(bitmap, [](Bitmap& b) { Rotate180(b); });
}

}  // namespace skin
