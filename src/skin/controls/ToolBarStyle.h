#pragma once

#include <QImage>
#include <QProxyStyle>

namespace skin {

class SkinValues;

// The style a skinned tool bar wears: its background is the skin's tool bar picture stretched
// over it, or else a gradient from the skin's tool bar start colour to its end colour, or the
// start colour alone when both are the same. The handle and the buttons are left to others.
class ToolBarStyle : public QProxyStyle {
public:
    explicit ToolBarStyle(const SkinValues& skin) : skin_(skin) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

    // False, drawing nothing, when the skin has neither picture nor colours for it.
    bool DrawToolBarBackground(QPainter& painter, const QRect& rect) const;

private:
    // The picture stretched to `size`, kept until the skin, the picture or the size changes.
    const QImage& Stretched(const QImage& picture, const QSize& size) const;

    struct Kept {
        int Generation = -1;
        qint64 Picture = 0;  // the picture's cache key
        QSize Size;
        QImage Image;
    };

    const SkinValues& skin_;
    mutable Kept kept_;
};

}  // namespace skin
