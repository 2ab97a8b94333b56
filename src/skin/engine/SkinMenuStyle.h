#pragma once

#include <QProxyStyle>

#include "skin/values/MenuLook.h"

namespace skin {

// The style popup menus wear while they are skinned: items measured and painted from the skin's
// menu colours, a flat panel with a thin frame. Everything else is the application's style.
class SkinMenuStyle : public QProxyStyle {
public:
    // `look` is the engine's and outlives the style.
    explicit SkinMenuStyle(const MenuLook& look);

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

private:
    const MenuLook& look_;
};

}  // namespace skin
