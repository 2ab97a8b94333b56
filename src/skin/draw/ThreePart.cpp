#include "skin/draw/ThreePart.h"

#include <algorithm>

#include "skin/draw/Axis.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Geometry.h"

namespace skin {
namespace {

// Caps copied, the middle stretched: the shared body of the vertical and horizontal forms.
void DrawCapsAndMiddle(const Bitmap& bitmap, QPainter& painter, const QRect& rect, int cap,
                       Axis axis) {
    if (rect.x() < 0 || bitmap.IsEmpty()) return;
    const QImage& image = bitmap.Image();
    const int length = axis.Length(image);
    const int start = axis.Start(rect);
    const int end = axis.End(rect);
    const int first = std::min(end - start, cap);
    CopyRect(painter, axis.Band(rect, start, start + first), image, axis.Band(image, 0, first));
    CopyRect(painter, axis.Band(rect, end - cap, end), image,
             axis.Band(image, std::max(0, length - cap), length));
    if (length - 2 * cap > 0) {
        StretchImage(image.copy(axis.Band(image, cap, length - cap)), painter,
                     axis.Band(rect, start + cap, end - cap));
    }
}

}  // namespace

void DrawThreePart(const Bitmap& bitmap, QPainter& painter, const QRect& rect, ColorRef mask,
                   bool masked) {
    if (bitmap.IsEmpty()) return;
    const QImage& image = bitmap.Image();
    const int piece = image.width() / 3;
    const int height = image.height();
    const int left = rect.x();
    const int top = rect.y();
    const int right = RightOf(rect);
    if (right - left < piece) {
        CopyRect(painter, QRect(left, top, right - left, height), image,
                 QRect(0, 0, right - left, height));
        return;
    }
    const ColorRef capMask = masked ? mask : -1;
    DrawMasked(painter, QPoint(left, top), image.copy(0, 0, piece, height), capMask);
    DrawMasked(painter, QPoint(right - piece, top), image.copy(2 * piece, 0, piece, height),
               capMask);
    StretchImage(image.copy(piece, 0, piece, height), painter,
                 RectLTRB(left + piece, top, right - piece, top + height));
}

void DrawThreePartVertical(const Bitmap& bitmap, QPainter& painter, const QRect& rect,
                           int capHeight) {
    const int cap = capHeight == 0 ? bitmap.Height() / 3 : capHeight;
    DrawCapsAndMiddle(bitmap, painter, rect, cap, Axis{true});
}

void DrawThreePartHorizontal(const Bitmap& bitmap, QPainter& painter, const QRect& rect,
                             int capWidth) {
    DrawCapsAndMiddle(bitmap, painter, rect, capWidth, Axis{false});
}

}  // namespace skin
