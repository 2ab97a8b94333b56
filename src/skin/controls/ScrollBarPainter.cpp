#include "skin/controls/ScrollBarPainter.h"

#include <algorithm>

#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Axis.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Fills.h"
#include "skin/draw/ThreePart.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

// The thumb's ends keep this many pixels for their caps; the grip and fillers go between.
constexpr int kCapLength = 3;
// Shorter whole thumbs are drawn from the pieces, whose caps fit.
constexpr int kMinWholeThumb = 16;

// Leading cap, trailing cap, then the grip in the middle with the fillers stretched around it.
void PaintThumbPieces(QPainter& painter, const TSkinScrollBtnRes& res, const QRect& thumb,
                      Axis axis) {
    auto piece = [&](int i) -> const Bitmap& {
        return axis.Vertical ? res.VertThumb(i) : res.HorzThumb(i);
    };
    // The piece from `from` to its end along the thumb.
    auto pieceFrom = [&](const Bitmap& bitmap, int from) {
        return axis.Band(bitmap.Image(), from, axis.Length(bitmap.Image()));
    };
    const int start = axis.Start(thumb);
    const int end = axis.End(thumb);
    const int length = axis.Length(thumb);
    const Bitmap& lead = piece(1);
    CopyRect(painter, axis.Band(thumb, start, start + axis.Length(lead.Image())), lead.Image(),
             pieceFrom(lead, 0));
    // A short thumb shows the end of the trailing cap, stretched to the cap's length.
    const Bitmap& trail = piece(5);
    const int trailLength = axis.Length(trail.Image());
    CopyRect(painter, axis.Band(thumb, end - trailLength, end), trail.Image(),
             pieceFrom(trail, std::max(0, trailLength - length / 2)));
    const int inner = length - 2 * kCapLength;
    const Bitmap& grip = piece(3);
    const int gripLength = axis.Length(grip.Image());
    if (gripLength >= inner) {
        StretchBitmap(grip, painter, axis.Band(thumb, start + kCapLength, end - kCapLength));
        return;
    }
    const int offset = (inner - gripLength) / 2;
    const int gripStart = start + kCapLength + offset;
    const int gripEnd = gripStart + gripLength;
    CopyRect(painter, axis.Band(thumb, gripStart, gripEnd), grip.Image(), pieceFrom(grip, 0));
    StretchBitmap(piece(4), painter, axis.Band(thumb, gripEnd, end - kCapLength));
    StretchBitmap(piece(2), painter, axis.Band(thumb, start + kCapLength, gripStart));
}

void PaintThumb(QPainter& painter, const SkinValues& skin, const ScrollBarParts& parts) {
    const TSkinScrollBtnRes& res = skin.Resources().ScrollButtons;
    const Axis axis{parts.Vertical};
    if (res.WholeThumbMode() && axis.Length(parts.Thumb) >= kMinWholeThumb) {
        if (parts.Vertical) {
            DrawThreePartVertical(res.WholeThumb(), painter, parts.Thumb);
        } else {
            DrawThreePart(res.WholeThumbHorz(), painter, parts.Thumb, -1, false);
        }
        return;
    }
    PaintThumbPieces(painter, res, parts.Thumb, axis);
}

}  // namespace

void PaintScrollBar(QPainter& painter, const SkinValues& skin, const ScrollBarParts& parts) {
    FillRectColor(painter, parts.Bar, skin.GetSkinColor(colors::ScrollBarColor));
    const TSkinScrollBtnRes& res = skin.Resources().ScrollButtons;
    const Bitmap& first = parts.Vertical ? res.VertButtons(1) : res.HorzButtons(1);
    const Bitmap& second = parts.Vertical ? res.VertButtons(4) : res.HorzButtons(4);
    if (!first.IsEmpty()) StretchBitmap(first, painter, parts.FirstButton);
    if (!second.IsEmpty()) StretchBitmap(second, painter, parts.SecondButton);
    if (parts.ThumbShown && !parts.Thumb.isEmpty()) PaintThumb(painter, skin, parts);
}

}  // namespace skin
