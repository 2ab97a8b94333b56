#include "skin/data/SkinScrollBtnRes.h"

#include "skin/data/BitmapOps.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinVocabulary.h"

namespace skin {
namespace {

// The look of one particular skin family, whose thumb is drawn whole rather than in pieces.
constexpr ColorRef kWholeThumbTrackColour = 0x00CBCBCB;
constexpr int kWholeThumbHeight = 33;
constexpr ColorRef kWholeThumbMarkColour = 0x00B23901;
constexpr QPoint kWholeThumbMark{1, 10};
constexpr int kCapHeight = 3;

bool IsWholeThumb(const Bitmap& thumb, ColorRef trackColour) {
    return trackColour == kWholeThumbTrackColour && thumb.Height() == kWholeThumbHeight &&
           thumb.Width() > kWholeThumbMark.x() &&
           thumb.Pixel(kWholeThumbMark.x(), kWholeThumbMark.y()) == kWholeThumbMarkColour;
}

// Rows first .. first + height - 1 of `source`, full width; rows outside it come out black.
Bitmap Rows(const Bitmap& source, int first, int height) {
    Bitmap rows(source.Image().copy(0, first, source.Width(), height));
    rows.SetTransparentColor(source.TransparentColor());
    return rows;
}

}  // namespace

void TSkinScrollBtnRes::Clear() {
    horzButtons_.Clear();
    vertButtons_.Clear();
    horzThumb_.Clear();
    vertThumb_.Clear();
    wholeThumbHorz_ = wholeThumb_ = Bitmap();
    thumbWidth_ = 0;
    wholeThumbMode_ = false;
}

void TSkinScrollBtnRes::Update() {
    Clear();
    const TSkinReader* reader = ReadyReader();
    if (!reader) return;
    CutButtons(*reader);
    const ColorRef transparent = reader->GetColor(colors::TransColor);
    const ColorRef track = reader->GetColor(colors::ScrollBarColor);
    if (const Bitmap* thumb = reader->GetBitmap(bitmaps::ScrollBar)) {
        if (IsWholeThumb(*thumb, track)) {
            wholeThumbMode_ = true;
            wholeThumb_ = *thumb;
            wholeThumbHorz_ = Turned(*thumb, RotateLeft);
        }
        CutThumb(*thumb);
    }
    // The whole thumb keeps the transparent colour; the pieces take the track's.
    for (auto* set : {&horzButtons_, &vertButtons_}) {
        for (Bitmap& piece : *set) ReplaceColor(piece, transparent, track);
    }
    for (auto* set : {&horzThumb_, &vertThumb_}) {
        for (Bitmap& piece : *set) ReplaceColor(piece, transparent, track);
    }
}

void TSkinScrollBtnRes::CutButtons(const TSkinReader& reader) {
    const Bitmap* up = reader.GetBitmap(bitmaps::ScrollBarUpButton);
    const Bitmap* down = reader.GetBitmap(bitmaps::ScrollBarDownButton);
    for (int i = 1; i <= 6; ++i) {
        SliceBitmap(i <= 3 ? up : down, vertButtons_.At(i), 3, i <= 3 ? i : i - 3);
        horzButtons_.At(i) = Turned(vertButtons_[i], RotateLeft);
    }
}

// Caps of 3 rows at both ends and three fillers of f = (H - 6) div 3 rows. The rows are taken
// exactly so: row 3 belongs to no piece and row H - f - 3 to two.
void TSkinScrollBtnRes::CutThumb(const Bitmap& thumb) {
    const int h = thumb.Height();
    const int f = (h - 2 * kCapHeight) / 3;
    vertThumb_.At(1) = Rows(thumb, 0, kCapHeight);
    vertThumb_.At(5) = Rows(thumb, h - kCapHeight, kCapHeight);
    if (f > 0) {
        vertThumb_.At(2) = Rows(thumb, 4, f);
        vertThumb_.At(3) = Rows(thumb, f + 4, h - 2 * f - 6);
        vertThumb_.At(4) = Rows(thumb, h - f - 3, f);
    } else {
        for (int i = 2; i <= 4; ++i) vertThumb_.At(i) = Rows(thumb, 0, 1);
    }
    for (int i = 1; i <= 5; ++i) horzThumb_.At(i) = Turned(vertThumb_[i], RotateLeft);
    thumbWidth_ = vertThumb_[1].Width();
}

}  // namespace skin
