#pragma once

#include <QPainter>
#include <QRect>
#include <QSize>

#include "skin/data/Bitmap.h"

namespace skin {

// Vertical gradient, one row at a time: the first row in `top`, the last in `bottom`, row y
// between them in top + trunc((bottom - top) / height * (y - Top - 1)) per channel. A rectangle
// one pixel high ends up in `bottom`.
void FillGradient(QPainter& painter, const QRect& rect, ColorRef top, ColorRef bottom);

// The same across, one column at a time; column x uses the factor (x - Left).
void FillGradientHorz(QPainter& painter, const QRect& rect, ColorRef left, ColorRef right);

void FillRectColor(QPainter& painter, const QRect& rect, ColorRef colour);

// A 1-pixel frame just inside the rectangle.
void FrameRectColor(QPainter& painter, const QRect& rect, ColorRef colour);

// A menu separator: one line 2 pixels below the top, clear of the left bar of width `barWidth`
// (or of the right one when not left to right).
void DrawMenuSeparator(QPainter& painter, const QRect& rect, ColorRef colour, bool leftToRight,
                       int barWidth);

// A control's flat frame: 2-pixel bands along its edges in `colour`, then its left column in
// `borderColour` (the skin's control border colour).
void DrawFlatFrame(QPainter& painter, const QSize& size, ColorRef colour, ColorRef borderColour);

// A 1-pixel frame around the whole surface, and optionally a second one inside it.
void FrameWindowBorder(QPainter& painter, const QSize& size, ColorRef outer, ColorRef inner,
                       bool drawInner);

}  // namespace skin
