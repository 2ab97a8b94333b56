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

}  // namespace skin
