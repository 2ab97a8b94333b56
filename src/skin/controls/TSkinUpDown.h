#pragma once

#include "skin/controls/TSkinStyledControl.h"

namespace skin {

// Spin boxes: the skin's flat frame and the two spin buttons drawn flat from the tool bar
// colours, the held one in the tool bar down colour with its arrow one pixel on. Stepping by
// mouse and keys is the spin box's own.
class TSkinUpDown : public TSkinStyledControl {
public:
    using TSkinStyledControl::TSkinStyledControl;

protected:
    std::unique_ptr<QStyle> MakeStyle(QStyle* base) override;
};

}  // namespace skin
