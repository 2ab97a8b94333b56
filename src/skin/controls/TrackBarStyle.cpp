#include "skin/controls/TrackBarStyle.h"

#include <QPainter>
#include <QSlider>
#include <QStyleOptionSlider>

#include "skin/controls/ControlColours.h"
#include "skin/controls/TSkinTrackBar.h"
#include "skin/controls/TrackBarLayout.h"
#include "skin/controls/TrackBarPainter.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

// The thumb of a skin without thumb pictures.
constexpr QSize kDefaultThumb{11, 21};

Qt::Orientation OrientationOf(const QStyleOption* option, const QWidget* widget) {
    if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
        return slider->orientation;
    }
    if (const auto* slider = qobject_cast<const QSlider*>(widget)) return slider->orientation();
    return Qt::Horizontal;
}

}  // namespace

TrackBarStyle::TrackBarStyle(const TSkinTrackBar& skinner, QStyle* base)
    : QProxyStyle(base), skinner_(skinner) {}

QSize TrackBarStyle::ThumbSize(Qt::Orientation orientation) const {
    const Bitmap* thumb = skinner_.Thumb(orientation);
    if (thumb && !thumb->IsEmpty()) return thumb->Size();
    return orientation == Qt::Horizontal ? kDefaultThumb : kDefaultThumb.transposed();
}

int TrackBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
    const Qt::Orientation orientation = OrientationOf(option, widget);
    const QSize thumb = ThumbSize(orientation);
    const bool horizontal = orientation == Qt::Horizontal;
    switch (metric) {
        case PM_SliderLength:
            return horizontal ? thumb.width() : thumb.height();
        case PM_SliderControlThickness:
            return horizontal ? thumb.height() : thumb.width();
        case PM_SliderThickness:
            return (horizontal ? thumb.height() : thumb.width()) + TrackBarLayout::kCrossRoom;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QRect TrackBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                    SubControl part, const QWidget* widget) const {
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_Slider || !slider) {
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    const TrackBarLayout layout = TrackBarLayout::Of(*slider, ThumbSize(slider->orientation));
    switch (part) {
        case SC_SliderHandle:
            return layout.Handle;
        case SC_SliderGroove:
            return layout.Groove;
        case SC_SliderTickmarks:
            return slider->rect;
        default:
            return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void TrackBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_Slider || !slider) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const Qt::Orientation orientation = slider->orientation;
    QStyleOptionSlider atOrigin = *slider;
    atOrigin.rect.moveTo(0, 0);
    const TrackBarLayout layout = TrackBarLayout::Of(atOrigin, ThumbSize(orientation));
    const TrackBarPictures pictures{&skinner_.Channel(orientation), skinner_.Thumb(orientation)};
    const SkinValues& skin = skinner_.Skin();
    painter->drawImage(slider->rect.topLeft(),
                       ComposeTrackBar(layout, slider->rect.size(), pictures, FormColour(skin),
                                       skin.Metrics().TransColor, slider->state & State_HasFocus));
}

}  // namespace skin
