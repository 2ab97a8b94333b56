#include "skin/controls/TSkinUpDown.h"

#include "skin/controls/SkinFieldStyle.h"

namespace skin {

std::unique_ptr<QStyle> TSkinUpDown::MakeStyle(QStyle* base) {
    return std::make_unique<SkinFieldStyle>(Skin(), base, true);
}

}  // namespace skin
