#include "skin/controls/TSkinScrollBar.h"

#include "skin/controls/SkinScrollBarStyle.h"

namespace skin {

std::unique_ptr<QStyle> TSkinScrollBar::MakeStyle(QStyle* base) {
    return std::make_unique<SkinScrollBarStyle>(Skin(), base);
}

}  // namespace skin
