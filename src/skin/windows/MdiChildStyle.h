#pragma once

#include <QProxyStyle>
#include <QStyleOptionTitleBar>

#include "skin/windows/FramePainter.h"

namespace skin {

class SkinValues;

// The style one MDI child (QMdiSubWindow) wears while its frame is skinned: the child's title
// bar and borders come from the skin as a skinned window's do, its caption buttons stand where
// the skin puts them (Qt finds them there for hovering and clicking), and its shape is cut
// from the skin's title and bottom pictures. A minimised child shows the skin's minimised
// title; a maximised child has neither title nor borders, its buttons going to the frame's
// menu row. Moving, sizing and the buttons' actions remain Qt's.
class MdiChildStyle : public QProxyStyle {
public:
    explicit MdiChildStyle(const SkinValues& skin);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    // A minimised child's is its minimised title's.
    FrameGeometry GeometryOf(const QStyleOptionTitleBar& option, const QWidget* widget) const;
    TitleState StateOf(const QStyleOptionTitleBar& option, const QWidget* widget) const;
    QRect TitleRect(const QStyleOptionTitleBar& option, SubControl part,
                    const QWidget* widget) const;

    const SkinValues& skin_;
    mutable FramePainter painter_;  // keeps the child's composed pictures
};

}  // namespace skin
