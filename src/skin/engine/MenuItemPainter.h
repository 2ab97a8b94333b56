#pragma once

#include <QPainter>
#include <QStyleOptionMenuItem>

#include "skin/values/MenuLook.h"

namespace skin {

// Fixed sizes and colours of skinned popup menus.
namespace menuitem {
inline constexpr int kLeftBarWidth = 26;
inline constexpr int kMinHeight = 21;
inline constexpr int kSeparatorHeight = 5;
inline constexpr int kExtraWidth = 66;
inline constexpr int kTextLeft = 30;
inline constexpr int kShortcutRight = 16;
inline constexpr int kImageSize = 16;
inline constexpr ColorRef kDisabledText = 0x00808080;
inline constexpr ColorRef kSeparatorLine = 0x00848284;
}  // namespace menuitem

// The size of one popup menu item: separators 5 pixels high, others at least 21; as wide as
// the caption and the shortcut text plus 66.
QSize MeasureMenuItem(const QStyleOptionMenuItem& option, const MenuLook& look);

// One popup menu item: the left bar, the fill (the selected look for a selected enabled item),
// check mark or image, caption with its access key underlined, shortcut and submenu arrow.
void DrawMenuItem(QPainter& painter, const QStyleOptionMenuItem& option, const MenuLook& look);

}  // namespace skin
