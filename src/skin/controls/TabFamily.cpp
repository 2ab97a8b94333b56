#include "skin/controls/TabFamily.h"

#include "skin/controls/SkinnerRegistry.h"
#include "skin/controls/TSkinProgressBar.h"
#include "skin/controls/TSkinTabControl.h"
#include "skin/controls/TSkinTrackBar.h"

namespace skin {
namespace {

template <typename Skinner>
SkinnerFactory Make() {
    return [](QWidget* control, TSkinWindow& window) {
        return std::make_unique<Skinner>(control, window);
    };
}

}  // namespace

void RegisterTabFamilySkinners(SkinnerRegistry& registry) {
    registry.RegisterSkinnerClass("TSkinTabControl", Make<TSkinTabControl>());
    registry.RegisterSkinnerClass("TSkinTrackBar", Make<TSkinTrackBar>());
    registry.RegisterSkinnerClass("TSkinProgressBar", Make<TSkinProgressBar>());
}

}  // namespace skin
