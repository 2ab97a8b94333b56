#pragma once

#include <QImage>
#include <QRect>

#include "skin/draw/Geometry.h"

namespace skin {

// One axis of a picture or a rectangle, for drawing that treats both orientations alike: spans
// along it always take the whole cross axis.
struct Axis {
    bool Vertical;

    // The part from `from` to `to` along the axis.
    QRect Band(const QImage& image, int from, int to) const {
        return Vertical ? RectLTRB(0, from, image.width(), to)
                        : RectLTRB(from, 0, to, image.height());
    }
    QRect Band(const QRect& rect, int from, int to) const {
        return Vertical ? RectLTRB(rect.x(), from, RightOf(rect), to)
                        : RectLTRB(from, rect.y(), to, BottomOf(rect));
    }
    int Start(const QRect& rect) const { return Vertical ? rect.y() : rect.x(); }
    int End(const QRect& rect) const { return Vertical ? BottomOf(rect) : RightOf(rect); }
    int Length(const QRect& rect) const { return End(rect) - Start(rect); }
    int Length(const QImage& image) const { return Vertical ? image.height() : image.width(); }
};

}  // namespace skin
