#include "skin/controls/ScrollBarPainter.h"

#include <algorithm>

#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/ThreePart.h"
#include "skin/engine/TSkinEngine.h"

namespace skin {
namespace {

// The thumb's ends keep this many pixels for their caps; the grip and fillers go between.
constexpr int kCapLength = 3;
// Shorter whole thumbs are drawn from the pieces, whose caps fit.
constexpr int kMinWholeThumb = 16;

// The thumb seen along its length: spans of it and lengths of pieces, whichever the orientation.
class ThumbAxis {
public:
    ThumbAxis(const QRect& thumb, bool vertical) : thumb_(thumb), vertical_(vertical) {}

    int Start() const { return vertical_ ? thumb_.top() : thumb_.left(); }
    int End() const { return vertical_ ? BottomOf(thumb_) : RightOf(thumb_); }
    int Length() const { return End() - Start(); }
    // The part of the thumb from `from` to `to` along it, across its whole breadth.
    QRect Span(int from, int to) const {
        return vertical_ ? RectLTRB(thumb_.left(), from, RightOf(thumb_), to)
                         : RectLTRB(from, thumb_.top(), to, BottomOf(thumb_));
    }
    int LengthOf(const Bitmap& piece) const { return vertical_ ? piece.Height() : piece.Width(); }
    // The piece from `from` to its end along the thumb.
    QRect PieceFrom(const Bitmap& piece, int from) const {
        return vertical_ ? RectLTRB(0, from, piece.Width(), piece.Height())
                         : RectLTRB(from, 0, piece.Width(), piece.Height());
    }

private:
    QRect thumb_;
    bool vertical_;
};

void CopyPiece(QPainter& painter, const QRect& target, const Bitmap& piece, const QRect& source) {
    CopyRect(painter, target, piece.Image(), source);
}

// Leading cap, trailing cap, then the grip in the middle with the fillers stretched around it.
void PaintThumbPieces(QPainter& painter, const TSkinScrollBtnRes& res, const ThumbAxis& axis,
                      bool vertical) {
    auto piece = [&](int i) -> const Bitmap& {
        return vertical ? res.VertThumb(i) : res.HorzThumb(i);
    };
    const int start = axis.Start();
    const int end = axis.End();
    const int length = axis.Length();
    const Bitmap& lead = piece(1);
    CopyPiece(painter, axis.Span(start, start + axis.LengthOf(lead)), lead,
              axis.PieceFrom(lead, 0));
    // A short thumb shows the end of the trailing cap, stretched to the cap's length.
    const Bitmap& trail = piece(5);
    const int trailLength = axis.LengthOf(trail);
    CopyPiece(painter, axis.Span(end - trailLength, end), trail,
              axis.PieceFrom(trail, std::max(0, trailLength - length / 2)));
    const int inner = length - 2 * kCapLength;
    const Bitmap& grip = piece(3);
    const int gripLength = axis.LengthOf(grip);
    if (gripLength >= inner) {
        StretchBitmap(grip, painter, axis.Span(start + kCapLength, end - kCapLength));
        return;
    }
    const int offset = (inner - gripLength) / 2;
    const int gripStart = start + kCapLength + offset;
    const int gripEnd = gripStart + gripLength;
    CopyPiece(painter, axis.Span(gripStart, gripEnd), grip, axis.PieceFrom(grip, 0));
    StretchBitmap(piece(4), painter, axis.Span(gripEnd, end - kCapLength));
    StretchBitmap(piece(2), painter, axis.Span(start + kCapLength, gripStart));
}

void PaintThumb(QPainter& painter, const TSkinEngine& engine, const ScrollBarParts& parts) {
    const TSkinScrollBtnRes& res = engine.Resources().ScrollButtons;
    const ThumbAxis axis(parts.Thumb, parts.Vertical);
    if (res.WholeThumbMode() && axis.Length() >= kMinWholeThumb) {
        if (parts.Vertical) {
            DrawThreePartVertical(res.WholeThumb(), painter, parts.Thumb);
        } else {
            DrawThreePart(res.WholeThumbHorz(), painter, parts.Thumb, -1, false);
        }
        return;
    }
    PaintThumbPieces(painter, res, axis, parts.Vertical);
}

}  // namespace

void PaintScrollBar(QPainter& painter, const TSkinEngine& engine, const ScrollBarParts& parts) {
    FillRectColor(painter, parts.Bar, engine.GetSkinColor(colors::ScrollBarColor));
    const TSkinScrollBtnRes& res = engine.Resources().ScrollButtons;
    const Bitmap& first = parts.Vertical ? res.VertButtons(1) : res.HorzButtons(1);
    const Bitmap& second = parts.Vertical ? res.VertButtons(4) : res.HorzButtons(4);
    if (!first.IsEmpty()) StretchBitmap(first, painter, parts.FirstButton);
    if (!second.IsEmpty()) StretchBitmap(second, painter, parts.SecondButton);
    if (parts.ThumbShown && !parts.Thumb.isEmpty()) PaintThumb(painter, engine, parts);
}

}  // namespace skin
