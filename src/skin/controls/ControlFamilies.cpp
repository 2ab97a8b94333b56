// The control families register their skinner classes here, one call per family, each written
// in the family's own file.
#include "skin/controls/BarFamily.h"
#include "skin/controls/ButtonFamily.h"
#include "skin/controls/ScrollingFamily.h"
#include "skin/controls/SkinnerRegistry.h"
#include "skin/controls/TabFamily.h"

namespace skin {

void RegisterControlFamilies(SkinnerRegistry& registry) {
    RegisterButtonSkinners(registry);
    RegisterBarSkinners(registry);
    RegisterScrollingSkinners(registry);
    RegisterTabFamilySkinners(registry);
}

}  // namespace skin
