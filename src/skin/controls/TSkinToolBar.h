#pragma once

#include "skin/controls/ParentColourSkinner.h"

class QToolBar;

namespace skin {

class ToolBarStyle;

// Tool bars: the background from the skin (ToolBarStyle). Their tool buttons, skinned as tool
// buttons are, take the tool bar's looks while it is skinned. Switching the skin off gives the
// tool bar its own style and drawing back.
class TSkinToolBar : public ParentColourSkinner {
public:
    TSkinToolBar(QToolBar* bar, TSkinWindow& window);

protected:
    void SkinOn() override;

private:
    ToolBarStyle* style_;  // a child of the skinner: it outlives the look that wears it
};

}  // namespace skin
