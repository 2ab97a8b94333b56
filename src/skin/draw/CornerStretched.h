#pragma once

#include <QPainter>
#include <QRect>

#include "skin/data/Bitmap.h"

namespace skin {

// Nine-part drawing of a face bitmap (a push button frame) into `rect`, whose top-left corner is
// expected at the canvas origin: the four corners keep their size (cut to their quarter of the
// rectangle), the edges are stretched along their length and the centre both ways. Corners are
// drawn masked with `mask` when `transparent` is set; edges and centre are always drawn masked.
// A rectangle 3 pixels high or less gets only the top-left corner.
void DrawCornerStretched(const Bitmap& bitmap, QPainter& painter, const QRect& rect, ColorRef mask,
                         bool transparent);

}  // namespace skin
