// The control families register their skinner classes here, one call per family, each written
// in the family's own file.
#include "skin/controls/SkinnerRegistry.h"
#include "skin/controls/TabFamily.h"

namespace skin {

void RegisterControlFamilies(SkinnerRegistry& registry) { RegisterTabFamilySkinners(registry); }

}  // namespace skin
