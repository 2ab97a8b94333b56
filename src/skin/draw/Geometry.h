#pragma once

#include <QPoint>
#include <QRect>

namespace skin {

// Skin painters think in (Left, Top, Right, Bottom) with Right and Bottom exclusive; these keep
// that arithmetic out of QRect's inclusive right() and bottom().
inline QRect RectLTRB(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}
inline int RightOf(const QRect& rect) { return rect.x() + rect.width(); }
inline int BottomOf(const QRect& rect) { return rect.y() + rect.height(); }

// All four edges count as inside: Right and Bottom themselves are in.
inline bool PointInRect(int x, int y, const QRect& rect) {
    return rect.x() <= x && x <= RightOf(rect) && rect.y() <= y && y <= BottomOf(rect);
}
inline bool PointInRect(const QPoint& point, const QRect& rect) {
    return PointInRect(point.x(), point.y(), rect);
}

}  // namespace skin
