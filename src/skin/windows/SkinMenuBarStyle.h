#pragma once

#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace skin {

class SkinValues;

// The style a form's menu bar wears while skinned: the bar's background from the skin's menu bar
// picture or colours, its items in the skin's top-level menu colours with images left of their
// captions. The bar itself stays Qt's, with its menus, keyboard walking and shortcuts.
class SkinMenuBarStyle : public QProxyStyle {
public:
    explicit SkinMenuBarStyle(const SkinValues& skin) : skin_(skin) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

private:
    void DrawBackground(QPainter& painter, const QRect& bar, const QRect& part) const;
    void DrawItem(QPainter& painter, const QStyleOptionMenuItem& item, const QWidget* widget) const;

    const SkinValues& skin_;
};

}  // namespace skin
