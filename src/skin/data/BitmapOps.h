#pragma once

#include "skin/data/Bitmap.h"

// Cutting and turning skin pictures. They run once per skin load, never per paint.
namespace skin {

// `destination` becomes frame `index` (1-based) of `count` equal-width frames of `source`:
// width = source width div count, the source's height, columns (index-1)*w to index*w - 1.
// A missing source, or a count below 1, leaves `destination` untouched. The frame keeps the
// source's transparent colour and mode; columns outside the source come out black.
void SliceBitmap(const Bitmap* source, Bitmap& destination, int count, int index);

// A quarter turn anticlockwise in place: (x, y) goes to (y, oldWidth - 1 - x).
void RotateLeft(Bitmap& bitmap);
// A quarter turn clockwise in place: (x, y) goes to (oldHeight - 1 - y, x).
void RotateRight(Bitmap& bitmap);
// A half turn in place: (x, y) goes to (width - 1 - x, height - 1 - y).
void Rotate180(Bitmap& bitmap);

// Every pixel of colour `oldColour` (0x00BBGGRR) becomes `newColour`.
void ReplaceColor(Bitmap& bitmap, ColorRef oldColour, ColorRef newColour);

}  // namespace skin
