#pragma once

#include "skin/data/SkinRes.h"

namespace skin {

// Progress bar pieces: 1 start cap, 2 and 3 the bar's fillings, 4 end cap, as the skin has them
// (Horz) and turned anticlockwise for vertical bars (Vert).
class TSkinProgressBarRes : public TSkinRes {
public:
    void Update() override;

    const Bitmap& Horz(int index) const { return horz_[index]; }
    const Bitmap& Vert(int index) const { return vert_[index]; }
    int StartWidth() const { return startWidth_; }
    int EndWidth() const { return endWidth_; }

private:
    PieceSet<4> horz_, vert_;
    int startWidth_ = 0;
    int endWidth_ = 0;
};

}  // namespace skin
