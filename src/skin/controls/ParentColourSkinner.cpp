#include "skin/controls/ParentColourSkinner.h"

#include "skin/engine/TSkinEngine.h"

namespace skin {

void ParentColourSkinner::ApplySkin() {
    if (!Engine().IsSkinning()) {
        Look().Restore();
        return;
    }
    SkinOn();
    InheritParentColor();
}

}  // namespace skin
