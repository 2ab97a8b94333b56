#include "skin/controls/TrackBarLayout.h"

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include "skin/draw/Geometry.h"

namespace skin {
namespace {

// The values between the ends that get a mark, as Qt's styles choose them: every tick interval,
// or every single step (every page step when single steps are closer than 3 pixels).
std::vector<int> TickValues(const QStyleOptionSlider& option, int span) {
    int interval = option.tickInterval;
    if (interval <= 0) {
        interval = option.singleStep;
        if (QStyle::sliderPositionFromValue(option.minimum, option.maximum, interval, span) -
                QStyle::sliderPositionFromValue(option.minimum, option.maximum, 0, span) <
            3) {
            interval = option.pageStep;
        }
    }
    std::vector<int> values;
    if (interval <= 0 || span <= 0) return values;
    // At most a mark per pixel, however small the interval.
    for (int64_t v = int64_t(option.minimum) + interval;
         v < option.maximum && values.size() < size_t(span); v += interval) {
        values.push_back(int(v));
    }
    return values;
}

}  // namespace

TrackBarLayout TrackBarLayout::Of(const QStyleOptionSlider& option, const QSize& thumb) {
    TrackBarLayout layout;
    layout.Vertical = option.orientation == Qt::Vertical;
    const QRect area = option.rect;
    const bool vertical = layout.Vertical;
    // Along and across the slider.
    const int length = vertical ? area.height() : area.width();
    const int breadth = vertical ? area.width() : area.height();
    const int handleLength = vertical ? thumb.height() : thumb.width();
    const int handleBreadth = vertical ? thumb.width() : thumb.height();
    const int grooveStart = kEndRoom;
    const int grooveEnd = std::max(grooveStart + handleLength, length - kEndRoom);
    const int across = (breadth - handleBreadth) / 2;
    const int travel = grooveEnd - grooveStart - handleLength;
    const auto at = [&](int value) {
        return QStyle::sliderPositionFromValue(option.minimum, option.maximum, value, travel,
                                               option.upsideDown);
    };
    const int handleStart = grooveStart + at(option.sliderPosition);
    // Built as if horizontal, then turned for a vertical slider.
    auto place = [&](int alongStart, int acrossStart, int alongEnd, int acrossEnd) {
        const QRect r = vertical ? RectLTRB(acrossStart, alongStart, acrossEnd, alongEnd)
                                 : RectLTRB(alongStart, acrossStart, alongEnd, acrossEnd);
        return r.translated(area.topLeft());
    };
    layout.Groove = place(grooveStart, across, grooveEnd, across + handleBreadth);
    layout.Handle = place(handleStart, across, handleStart + handleLength, across + handleBreadth);
    layout.Focus = place(grooveStart - 4, across - 2, grooveEnd + 4, across + handleBreadth + 2);
    const int origin = vertical ? area.y() : area.x();
    for (int value : TickValues(option, travel)) {
        layout.Ticks.push_back(origin + grooveStart + handleLength / 2 + at(value));
    }
    layout.TicksBefore = option.tickPosition & QSlider::TicksAbove;
    layout.TicksAfter = option.tickPosition & QSlider::TicksBelow;
    return layout;
}

}  // namespace skin
