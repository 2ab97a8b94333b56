#pragma once

#include <QColor>
#include <QImage>

#include "skin/controls/TrackBarLayout.h"
#include "skin/data/Bitmap.h"

namespace skin {

// The skin's pictures of a slider, for its orientation.
struct TrackBarPictures {
    const Bitmap* Channel = nullptr;  // "SKIN2_TRACKBAR", turned for a vertical slider
    const Bitmap* Thumb = nullptr;    // "SKIN2_TRACKBARSLIDER" or "SKIN2_TRACKBARVSLIDER"
};

// The picture of a slider of `size` laid out by `layout` (whose rectangles start at the
// picture's origin): the form colour, the channel centred in the groove, the thumb stretched
// into the handle with the skin's transparent colour left out, tick marks in black outside the
// focus rectangle, and the focus rectangle when `focused`.
QImage ComposeTrackBar(const TrackBarLayout& layout, const QSize& size,
                       const TrackBarPictures& pictures, const QColor& formColour,
                       ColorRef transColour, bool focused);

}  // namespace skin
