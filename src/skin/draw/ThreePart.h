#pragma once

#include <QPainter>
#include <QRect>

#include "skin/data/Bitmap.h"

namespace skin {

// Horizontal three-part drawing: the bitmap is three pieces of width div 3 (left cap, middle,
// right cap). The caps keep their size, the middle is stretched between them; the height is never
// scaled. Caps are drawn masked with `mask` when `masked` is set. A rectangle narrower than one
// piece shows only the left cap, cut, unmasked.
void DrawThreePart(const Bitmap& bitmap, QPainter& painter, const QRect& rect, ColorRef mask,
                   bool masked);

// Vertical three-part drawing into the whole rectangle: the top and bottom `capHeight` rows are
// copied (scaled to the width), the rows between them stretched over the rest. A cap height of 0
// means a third of the bitmap. Nothing is drawn when the rectangle starts left of 0.
void DrawThreePartVertical(const Bitmap& bitmap, QPainter& painter, const QRect& rect,
                           int capHeight = 0);

// The same across: the first and last `capWidth` columns are kept, the columns between them
// stretched. Nothing is drawn when the rectangle starts left of 0.
void DrawThreePartHorizontal(const Bitmap& bitmap, QPainter& painter, const QRect& rect,
                             int capWidth);

}  // namespace skin
