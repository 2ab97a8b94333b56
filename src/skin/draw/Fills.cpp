#include "skin/draw/Fills.h"

#include "skin/draw/Blit.h"
#include "skin/draw/Geometry.h"

namespace skin {
namespace {

int Channel(ColorRef colour, int shift) { return (colour >> shift) & 0xFF; }

// Channel-wise top + trunc((bottom - top) / span * step), in floating point as painters expect.
ColorRef Blend(ColorRef from, ColorRef to, int span, int step) {
    ColorRef result = 0;
    for (int shift : {0, 8, 16}) {
        const int a = Channel(from, shift);
        const int b = Channel(to, shift);
        const int value = a + int(double(b - a) / span * step);
        result |= ColorRef(value) << shift;
    }
    return result;
}

// One gradient along an axis: `line(i, colour)` paints line i of `length` lines.
template <typename Line>
void Gradient(int length, ColorRef first, ColorRef last, int factorOffset, Line line) {
    if (length <= 0) return;
    line(0, first);
    for (int i = 1; i <= length - 2; ++i) line(i, Blend(first, last, length, i - factorOffset));
    line(length - 1, last);
}

}  // namespace

void FillGradient(QPainter& painter, const QRect& rect, ColorRef top, ColorRef bottom) {
    Gradient(rect.height(), top, bottom, 1, [&](int i, ColorRef colour) {
        FillRectColor(painter, QRect(rect.x(), rect.y() + i, rect.width(), 1), colour);
    });
}

void FillGradientHorz(QPainter& painter, const QRect& rect, ColorRef left, ColorRef right) {
    Gradient(rect.width(), left, right, 0, [&](int i, ColorRef colour) {
        FillRectColor(painter, QRect(rect.x() + i, rect.y(), 1, rect.height()), colour);
    });
}

void FillRectColor(QPainter& painter, const QRect& rect, ColorRef colour) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    ExactPainting exact(painter);
    painter.fillRect(rect, ToQColor(colour));
}

void FrameRectColor(QPainter& painter, const QRect& rect, ColorRef colour) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    const int right = RightOf(rect);
    const int bottom = BottomOf(rect);
    FillRectColor(painter, RectLTRB(rect.x(), rect.y(), right, rect.y() + 1), colour);
    FillRectColor(painter, RectLTRB(rect.x(), bottom - 1, right, bottom), colour);
    FillRectColor(painter, RectLTRB(rect.x(), rect.y(), rect.x() + 1, bottom), colour);
    FillRectColor(painter, RectLTRB(right - 1, rect.y(), right, bottom), colour);
}

void DrawMenuSeparator(QPainter& painter, const QRect& rect, ColorRef colour, bool leftToRight,
                       int barWidth) {
    const int from = leftToRight ? rect.x() + barWidth + 4 : rect.x() + 2;
    const int to = leftToRight ? RightOf(rect) - 2 : RightOf(rect) - barWidth - 4;
    // The line stops short of its end point, as window-system lines do.
    FillRectColor(painter, RectLTRB(from, rect.y() + 2, to, rect.y() + 3), colour);
}

void DrawFlatFrame(QPainter& painter, const QSize& size, ColorRef colour, ColorRef borderColour) {
    const int w = size.width();
    const int h = size.height();
    FillRectColor(painter, RectLTRB(0, 0, 2, h), colour);
    FillRectColor(painter, RectLTRB(0, h - 2, w, h), colour);
    FillRectColor(painter, RectLTRB(w - 2, 0, w, h), colour);
    FillRectColor(painter, RectLTRB(0, 0, w, 2), colour);
    FillRectColor(painter, RectLTRB(0, 0, 1, h), borderColour);
}

void FrameWindowBorder(QPainter& painter, const QSize& size, ColorRef outer, ColorRef inner,
                       bool drawInner) {
    const QRect whole(QPoint(0, 0), size);
    FrameRectColor(painter, whole, outer);
    if (drawInner) FrameRectColor(painter, whole.adjusted(1, 1, -1, -1), inner);
}

}  // namespace skin
