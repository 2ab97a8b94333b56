#pragma once

#include <QRect>
#include <QSize>
#include <vector>

class QStyleOptionSlider;

namespace skin {

// Where the parts of a skinned slider lie, in the slider's coordinates. The groove is the
// whole way the handle travels, as thick as the handle; the handle is as large as the skin's
// thumb picture and stands across the middle of the slider. The style's geometry and its
// painting both come from here, so clicks land where the parts are drawn.
struct TrackBarLayout {
    bool Vertical = false;
    QRect Groove;  // the channel rectangle before the channel picture is centred in it
    QRect Handle;
    QRect Focus;  // the groove widened by 4 along the slider, the handle grown by 2 across
    // Tick marks: the positions along the slider of the marks between the ends, and the sides
    // that carry marks (top or left, bottom or right).
    std::vector<int> Ticks;
    bool TicksBefore = false;
    bool TicksAfter = false;

    // `thumb` is the size of the thumb picture as drawn (wide and low for a horizontal slider).
    static TrackBarLayout Of(const QStyleOptionSlider& option, const QSize& thumb);

    // Room kept at each end of the groove, so that the focus rectangle fits.
    static constexpr int kEndRoom = 5;
    // Room across the handle for the focus rectangle and tick marks on both sides.
    static constexpr int kCrossRoom = 12;
};

}  // namespace skin
