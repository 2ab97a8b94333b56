#pragma once

#include "skin/data/SkinRes.h"

namespace skin {

// Tab pieces for tabs on all four sides: the control's line, the selected tab (A, frame 2 of the
// tab bitmap) and the other tabs (B, frame 1), each unturned and in three turns.
class TSkinTabRes : public TSkinRes {
public:
    void Update() override;

    const Bitmap& Line() const { return line_.Plain; }
    const Bitmap& LineLeft() const { return line_.Left; }
    const Bitmap& LineBottom() const { return line_.Bottom; }
    const Bitmap& LineRight() const { return line_.Right; }
    const Bitmap& TabA() const { return tabA_.Plain; }
    const Bitmap& TabALeft() const { return tabA_.Left; }
    const Bitmap& TabABottom() const { return tabA_.Bottom; }
    const Bitmap& TabARight() const { return tabA_.Right; }
    const Bitmap& TabB() const { return tabB_.Plain; }
    const Bitmap& TabBLeft() const { return tabB_.Left; }
    const Bitmap& TabBBottom() const { return tabB_.Bottom; }
    const Bitmap& TabBRight() const { return tabB_.Right; }

private:
    // One piece in the four orientations: left is turned anticlockwise, right clockwise.
    struct Turns {
        Bitmap Plain, Left, Bottom, Right;
        void Set(const Bitmap& plain);
    };

    Turns line_, tabA_, tabB_;
};

}  // namespace skin
