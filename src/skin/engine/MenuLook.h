#pragma once

#include <QFont>
#include <QImage>
#include <array>

#include "skin/data/Bitmap.h"

namespace skin {

// What popup menu items are drawn with: the skin's menu colours, the check mark and the
// window system's menu font.
struct MenuLook {
    std::array<ColorRef, 13> Colors{};  // SkinMetrics::MenuColors
    QImage CheckMark;
    QFont Font;
};

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

}  // namespace skin
