#include "skin/draw/CornerStretched.h"

#include <algorithm>

#include "skin/draw/Blit.h"
#include "skin/draw/Geometry.h"

namespace skin {
namespace {

// Which side of a source rectangle survives when it is larger than its destination.
enum class Keep { Start, End };
// Which direction of an edge's source is cut to the destination before scaling.
enum class Cut { None, Columns, Rows };

// Shrinks a source span [from, to) to `length`, keeping its start or its end.
void KeepSpan(int& from, int& to, int length, Keep keep) {
    if (to - from <= length) return;
    if (keep == Keep::Start)
        to = from + length;
    else
        from = to - length;
}

class NinePart {
public:
    NinePart(const Bitmap& bitmap, QPainter& painter, const QRect& rect, ColorRef mask,
             bool transparent)
        : image_(bitmap.Image()),
          painter_(painter),
          mask_(mask),
          cornerMask_(transparent ? mask : -1),
          bw_(image_.width()),
          bh_(image_.height()),
          hw_(bw_ / 2),
          hh_(bh_ / 2),
          halfW_(rect.width() / 2),
          halfH_(rect.height() / 2),
          right_(RightOf(rect)),
          bottom_(BottomOf(rect)),
          height_(rect.height()) {}

    void Draw() {
        const QRect topLeft = Corner(RectLTRB(0, 0, hw_, hh_), std::min(hw_, halfW_),
                                     std::min(hh_, halfH_), Keep::Start, Keep::Start, false, false);
        if (height_ - halfH_ + 1 >= height_) return;
        const QRect bottomLeft =
            Corner(RectLTRB(0, bh_ - hh_ + 1, hw_, bh_), std::min(hw_, halfW_),
                   std::min(hh_ - 1, halfH_ - 1), Keep::Start, Keep::End, false, true);
        Piece(RectLTRB(0, hh_, hw_, bh_ - hh_),
              RectLTRB(0, BottomOf(topLeft), RightOf(topLeft), bottomLeft.y()), Cut::Columns,
              Keep::Start);
        const QRect topRight =
            Corner(RectLTRB(bw_ - hw_ + 1, 0, bw_, hh_), std::min(hw_ - 1, halfW_ - 1),
                   std::min(hh_, halfH_), Keep::End, Keep::Start, true, false);
        const QRect bottomRight =
            Corner(RectLTRB(bw_ - hw_ + 1, bh_ - hh_ + 1, bw_, bh_), std::min(hw_ - 1, halfW_ - 1),
                   std::min(hh_ - 1, halfH_ - 1), Keep::End, Keep::End, true, true);
        // The right edge's rows (from bh - hh to hh + 2) differ from the left edge's on purpose:
        // skins are drawn for exactly these rows.
        Piece(RectLTRB(bw_ - hw_ + 1, bh_ - hh_, bw_, hh_ + 2),
              RectLTRB(topRight.x(), BottomOf(topRight), RightOf(topRight), bottomRight.y()),
              Cut::Columns, Keep::End);
        Piece(RectLTRB(hw_, 0, bw_ - hw_ + 1, hh_),
              RectLTRB(RightOf(topLeft), 0, topRight.x(), BottomOf(topLeft)), Cut::Rows,
              Keep::Start);
        Piece(RectLTRB(hw_, hh_, bw_ - hw_ + 1, bh_ - hh_),
              RectLTRB(RightOf(topLeft), BottomOf(topLeft), topRight.x(), bottomRight.y() - 1),
              Cut::None, Keep::Start);
        Piece(RectLTRB(hw_, bh_ - hh_, bw_ - hw_ + 1, bh_),
              RectLTRB(RightOf(topLeft) - 1, bottomLeft.y() - 1, bottomRight.x(),
                       BottomOf(bottomRight)),
              Cut::Rows, Keep::End);
    }

private:
    // Draws the kept part (w x h) of a corner's source at its place; returns the drawn rectangle,
    // or the empty rectangle at the origin when nothing is drawn.
    QRect Corner(const QRect& source, int w, int h, Keep keepX, Keep keepY, bool atRight,
                 bool atBottom) {
        if (w <= 0 || h <= 0) return QRect(0, 0, 0, 0);
        const int x = keepX == Keep::Start ? source.x() : RightOf(source) - w;
        const int y = keepY == Keep::Start ? source.y() : BottomOf(source) - h;
        const QRect target(atRight ? right_ - w : 0, atBottom ? bottom_ - h : 0, w, h);
        DrawMasked(painter_, target.topLeft(), image_.copy(x, y, w, h), cornerMask_);
        return target;
    }

    // An edge or the centre, always masked. An edge's source is first cut to the target's size
    // across its length (columns of a side edge, rows of the top or bottom edge), then scaled.
    void Piece(QRect source, const QRect& target, Cut cut, Keep keep) {
        if (target.height() <= 0 || target.width() <= 0) return;
        if (cut == Cut::Columns) {
            int from = source.x(), to = RightOf(source);
            KeepSpan(from, to, target.width(), keep);
            source = RectLTRB(from, source.y(), to, BottomOf(source));
        } else if (cut == Cut::Rows) {
            int from = source.y(), to = BottomOf(source);
            KeepSpan(from, to, target.height(), keep);
            source = RectLTRB(source.x(), from, RightOf(source), to);
        }
        if (source.width() <= 0 || source.height() <= 0) return;
        DrawMasked(painter_, target.topLeft(), ScaledPart(image_, source, target.size()), mask_);
    }

    const QImage& image_;
    QPainter& painter_;
    const ColorRef mask_;
    const ColorRef cornerMask_;
    const int bw_, bh_, hw_, hh_;
    const int halfW_, halfH_, right_, bottom_, height_;
};

}  // namespace

void DrawCornerStretched(const Bitmap& bitmap, QPainter& painter, const QRect& rect, ColorRef mask,
                         bool transparent) {
    if (bitmap.IsEmpty() || rect.height() <= 0) return;
    NinePart(bitmap, painter, rect, mask, transparent).Draw();
}

}  // namespace skin
