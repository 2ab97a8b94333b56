#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

// A skinner whose control shows its parent's colour while skinned (panels, group boxes, labels,
// tool bars, status bars). Switching the skin off gives the control its whole look back;
// switching it on again puts the parent colour and the skinner's own changes back on.
class ParentColourSkinner : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    bool WantsParentColor() const override { return true; }
    void ApplySkin() override;

protected:
    // What the skinner changes besides the parent colour, each time the skin comes on.
    virtual void SkinOn() {}
};

// Panels (plain frames) only show their parent's colour.
class TSkinPanel : public ParentColourSkinner {
public:
    using ParentColourSkinner::ParentColourSkinner;
};

// Frames keep the base behaviour only.
class TSkinFrame : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
};

}  // namespace skin
