#pragma once

#include <QProxyStyle>

namespace skin {

class TSkinEngine;

// The style a skinned tool bar wears: its background is the skin's tool bar picture stretched
// over it, or else a gradient from the skin's tool bar start colour to its end colour, or the
// start colour alone when both are the same. The handle and the buttons are left to others.
class ToolBarStyle : public QProxyStyle {
public:
    explicit ToolBarStyle(const TSkinEngine& engine) : engine_(engine) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

    // False, drawing nothing, when the skin has neither picture nor colours for it.
    bool DrawToolBarBackground(QPainter& painter, const QRect& rect) const;

private:
    const TSkinEngine& engine_;
};

}  // namespace skin
