#include "skin/controls/BarFamily.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

#include "skin/controls/ParentColourSkinner.h"
#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/TSkinGroupBox.h"
#include "skin/controls/TSkinLabel.h"
#include "skin/controls/TSkinStatusBar.h"
#include "skin/controls/TSkinToolBar.h"

namespace skin {

void RegisterBarSkinners(SkinnerRegistry& registry) {
    registry.RegisterSkinnerClass("TSkinToolBar", FactoryOf<TSkinToolBar, QToolBar>());
    registry.RegisterSkinnerClass("TSkinStatusBar", FactoryOf<TSkinStatusBar, QStatusBar>());
    registry.RegisterSkinnerClass("TSkinGroupBox", FactoryOf<TSkinGroupBox, QGroupBox>());
    registry.RegisterSkinnerClass("TSkinPanel", FactoryOf<TSkinPanel, QFrame>());
    registry.RegisterSkinnerClass("TSkinLabel", FactoryOf<TSkinLabel, QLabel>());
    // No built-in row names it; a program that wants its frames skinned adds one.
    registry.RegisterSkinnerClass("TSkinFrame", FactoryOf<TSkinFrame, QWidget>());
}

}  // namespace skin
