#pragma once

#include "skin/controls/TSkinStyledControl.h"

namespace skin {

// A scroll bar standing on its own, painted from the skin's scroll bar resource (with a focus
// rectangle inside the thumb while it has the focus); it scrolls as it always did.
class TSkinScrollBar : public TSkinStyledControl {
public:
    using TSkinStyledControl::TSkinStyledControl;

protected:
    std::unique_ptr<QStyle> MakeStyle(QStyle* base) override;
};

}  // namespace skin
