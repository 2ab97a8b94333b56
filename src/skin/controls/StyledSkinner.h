#pragma once

#include "skin/controls/ParentColourSkinner.h"

namespace skin {

// A skinner whose control wears a style of the skin's (`Style`, made from the engine) while
// skinned, and its own style again when the skin goes off. The style is a child of the skinner,
// so it outlives the look that wears it.
template <typename Style>
class StyledSkinner : public ParentColourSkinner {
public:
    StyledSkinner(QWidget* control, SkinnerHost& window)
        : ParentColourSkinner(control, window), style_(new Style(Skin())) {
        style_->setParent(this);
    }

protected:
    void SkinOn() override { Look().SetStyle(style_); }

private:
    Style* style_;
};

}  // namespace skin
