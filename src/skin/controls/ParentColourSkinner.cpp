#include "skin/controls/ParentColourSkinner.h"

#include "skin/values/SkinValues.h"

namespace skin {

void ParentColourSkinner::ApplySkin() {
    if (!Skin().IsSkinning()) {
        Look().Restore();
        return;
    }
    SkinOn();
    InheritParentColor();
}

}  // namespace skin
