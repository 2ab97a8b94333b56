#pragma once

#include <QProxyStyle>

namespace skin {

class TSkinTrackBar;

// The style a skinned slider wears: its handle is the size of the skin's thumb, its groove the
// way the handle travels, and the whole slider is painted from the skin. Geometry and painting
// come from one TrackBarLayout, so Qt's hit testing, dragging and paging agree with the picture.
class TrackBarStyle : public QProxyStyle {
public:
    // Stands on `base`, which it owns.
    TrackBarStyle(const TSkinTrackBar& skinner, QStyle* base);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;

private:
    QSize ThumbSize(Qt::Orientation orientation) const;

    const TSkinTrackBar& skinner_;
};

}  // namespace skin
