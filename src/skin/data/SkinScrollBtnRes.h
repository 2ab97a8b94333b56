#pragma once

#include "skin/data/SkinRes.h"

namespace skin {

// Scroll bar arrows and thumb: the arrow buttons in both orientations, the thumb in five pieces
// (top cap, upper filler, grip, lower filler, bottom cap) and, for skins drawn so, the whole thumb.
class TSkinScrollBtnRes : public TSkinRes {
public:
    void Update() override;

    // 1 to 3: the up button's frames turned to point left; 4 to 6: the down button's, right.
    const Bitmap& HorzButtons(int index) const { return horzButtons_[index]; }
    // 1 to 3: the up button's frames; 4 to 6: the down button's.
    const Bitmap& VertButtons(int index) const { return vertButtons_[index]; }
    const Bitmap& HorzThumb(int index) const { return horzThumb_[index]; }
    const Bitmap& VertThumb(int index) const { return vertThumb_[index]; }
    const Bitmap& WholeThumbHorz() const { return wholeThumbHorz_; }
    const Bitmap& WholeThumb() const { return wholeThumb_; }
    int ThumbWidth() const { return thumbWidth_; }
    bool WholeThumbMode() const { return wholeThumbMode_; }

private:
    void Clear();
    void CutButtons(const TSkinReader& reader);
    void CutThumb(const Bitmap& thumb);

    PieceSet<6> horzButtons_, vertButtons_;
    PieceSet<5> horzThumb_, vertThumb_;
    Bitmap wholeThumbHorz_, wholeThumb_;
    int thumbWidth_ = 0;
    bool wholeThumbMode_ = false;
};

}  // namespace skin
