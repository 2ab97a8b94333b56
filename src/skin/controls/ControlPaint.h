#pragma once

#include <QImage>

#include "skin/controls/ButtonPainting.h"
#include "skin/controls/ControlColours.h"
#include "skin/data/Bitmap.h"

namespace skin {

// Small helpers the control painters share.

// A copy of the picture turned by `turn` (RotateLeft, Rotate180 or RotateRight).
QImage TurnedImage(const QImage& image, void (*turn)(Bitmap&));

}  // namespace skin
