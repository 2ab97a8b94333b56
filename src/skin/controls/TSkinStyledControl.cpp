#include "skin/controls/TSkinStyledControl.h"

#include "skin/values/SkinValues.h"

namespace skin {

void TSkinStyledControl::Init() {
    if (QWidget* control = Control())
        styled_ = std::make_unique<StyledWidget>(control, MakeStyle(NewBaseStyle(control)));
}

void TSkinStyledControl::Release() {
    TSkinControl::Release();
    styled_.reset();
}

void TSkinStyledControl::ApplySkin() {
    if (styled_) styled_->Wear(Skin().IsSkinning());
}

}  // namespace skin
