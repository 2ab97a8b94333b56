#pragma once

#include "skin/controls/TSkinStyledControl.h"

namespace skin {

// Skins a slider (QSlider) of either orientation: while the skin is on the slider wears a
// TrackBarStyle, which paints it from the skin's channel and thumb pictures with tick marks and
// the focus rectangle; sliding by mouse, wheel and keys stays the slider's own.
class TSkinTrackBar : public TSkinStyledControl {
public:
    using TSkinStyledControl::TSkinStyledControl;

    void ApplySkin() override;
    void Release() override;

    // The channel picture prepared for the orientation: "SKIN2_TRACKBAR", turned anticlockwise
    // for a vertical slider. Empty while the skin is off.
    const Bitmap& Channel(Qt::Orientation orientation) const;
    // The skin's thumb picture for the orientation; none when the skin has none.
    const Bitmap* Thumb(Qt::Orientation orientation) const;

protected:
    std::unique_ptr<QStyle> MakeStyle(QStyle* base) override;

private:
    Bitmap channel_;
    Bitmap verticalChannel_;
};

}  // namespace skin
