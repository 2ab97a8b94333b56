#pragma once

#include <QPainter>
#include <QStyleOptionMenuItem>

#include "skin/engine/MenuLook.h"

namespace skin {

// The size of one popup menu item: separators 5 pixels high, others at least 21; as wide as
// the caption and the shortcut text plus 66.
QSize MeasureMenuItem(const QStyleOptionMenuItem& option, const MenuLook& look);

// One popup menu item: the left bar, the fill (the selected look for a selected enabled item),
// check mark or image, caption with its access key underlined, shortcut and submenu arrow.
void DrawMenuItem(QPainter& painter, const QStyleOptionMenuItem& option, const MenuLook& look);

}  // namespace skin
