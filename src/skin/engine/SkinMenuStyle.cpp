#include "skin/engine/SkinMenuStyle.h"

#include "skin/draw/Fills.h"
#include "skin/engine/MenuItemPainter.h"
#include "skin/values/SkinMetrics.h"

namespace skin {

SkinMenuStyle::SkinMenuStyle(const MenuLook& look) : look_(look) {}

QSize SkinMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                      const QSize& size, const QWidget* widget) const {
    if (type == CT_MenuItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            return MeasureMenuItem(*item, look_);
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void SkinMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element == CE_MenuItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            DrawMenuItem(*painter, *item, look_);
            return;
        }
    }
    if (element == CE_MenuEmptyArea) {
        FillRectColor(*painter, option->rect, look_.Colors[menucolors::Item]);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SkinMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_PanelMenu:
            FillRectColor(*painter, option->rect, look_.Colors[menucolors::Item]);
            return;
        case PE_FrameMenu:
            FrameRectColor(*painter, option->rect, menuitem::kSeparatorLine);
            return;
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

int SkinMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
    switch (metric) {
        case PM_MenuPanelWidth:
            return 1;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

}  // namespace skin
