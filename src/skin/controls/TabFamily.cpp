#include "skin/controls/TabFamily.h"

#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/TSkinProgressBar.h"
#include "skin/controls/TSkinTabControl.h"
#include "skin/controls/TSkinTrackBar.h"

namespace skin {

void RegisterTabFamilySkinners(SkinnerRegistry& registry) {
    registry.RegisterSkinnerClass("TSkinTabControl", FactoryOf<TSkinTabControl, QWidget>());
    registry.RegisterSkinnerClass("TSkinTrackBar", FactoryOf<TSkinTrackBar, QWidget>());
    registry.RegisterSkinnerClass("TSkinProgressBar", FactoryOf<TSkinProgressBar, QWidget>());
}

}  // namespace skin
