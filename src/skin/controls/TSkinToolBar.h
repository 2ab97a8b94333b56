#pragma once

#include "skin/controls/StyledSkinner.h"
#include "skin/controls/ToolBarStyle.h"

namespace skin {

// Tool bars: the background from the skin (ToolBarStyle). Their tool buttons, skinned as tool
// buttons are, take the tool bar's looks while it is skinned. Switching the skin off gives the
// tool bar its own style and drawing back.
class TSkinToolBar : public StyledSkinner<ToolBarStyle> {
public:
    using StyledSkinner::StyledSkinner;
};

}  // namespace skin
