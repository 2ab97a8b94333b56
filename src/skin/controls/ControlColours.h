#pragma once

#include <QColor>
#include <QPalette>

#include "skin/data/Bitmap.h"

class QWidget;

namespace skin {

class SkinValues;
class WidgetLook;

// The grey that disabled text of skinned controls is drawn in.
inline constexpr ColorRef kDisabledText = 0x00808080;

// The skin's colour `index` (SkinVocabulary.h), or `fallback` when the skin has none.
QColor SkinColour(const SkinValues& skin, int index, const QColor& fallback);
// The value itself, with the fallback's value for a colour the skin lacks.
ColorRef SkinColourRef(const SkinValues& skin, int index, ColorRef fallback);

// The skin's form colour, or the widget's (or the application's) window colour when the skin has
// none.
QColor FormColour(const SkinValues& skin, const QWidget* widget = nullptr);

// Gives the widget's text (`role`) the colour while it is enabled, through `look`, which puts
// the widget's own palette back later. Disabled text keeps the widget's own grey, as a disabled
// control draws its text whatever its font colour.
void SetTextColour(WidgetLook& look, QWidget* widget, QPalette::ColorRole role,
                   const QColor& colour);

}  // namespace skin
