#pragma once

#include <QImage>

#include "skin/data/Bitmap.h"

namespace skin {

// The check mark popup menus draw, 16 x 16 with a transparent background: a built-in one until
// a skin brings "SKIN2_CHECKEDMENUICON", whose pixels of the skin's transparent colour are left
// out.
QImage BuiltinCheckMark();
QImage SkinCheckMark(const Bitmap& picture, ColorRef transColor);

}  // namespace skin
