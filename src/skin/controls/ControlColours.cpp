#include "skin/controls/ControlColours.h"

#include <QWidget>

#include "skin/controls/WidgetLook.h"
#include "skin/values/SkinValues.h"

namespace skin {

QColor SkinColour(const SkinValues& skin, int index, const QColor& fallback) {
    const ColorRef value = skin.GetSkinColor(index);
    return value >= 0 ? ToQColor(value) : fallback;
}

ColorRef SkinColourRef(const SkinValues& skin, int index, ColorRef fallback) {
    const ColorRef value = skin.GetSkinColor(index);
    return value >= 0 ? value : fallback;
}

QColor FormColour(const SkinValues& skin, const QWidget* widget) {
    const ColorRef form = skin.Metrics().FormColor;
    if (form >= 0) return ToQColor(form);
    return (widget ? widget->palette() : QPalette()).color(QPalette::Window);
}

void SetTextColour(WidgetLook& look, QWidget* widget, QPalette::ColorRole role,
                   const QColor& colour) {
    if (!widget || !colour.isValid()) return;
    const QColor disabled = widget->palette().color(QPalette::Disabled, role);
    look.SetColor(role, colour);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Disabled, role, disabled);
    widget->setPalette(palette);
}

}  // namespace skin
