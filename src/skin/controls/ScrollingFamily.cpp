#include "skin/controls/ScrollingFamily.h"

#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/TSkinComboBox.h"
#include "skin/controls/TSkinDateTimePicker.h"
#include "skin/controls/TSkinGrid.h"
#include "skin/controls/TSkinListView.h"
#include "skin/controls/TSkinScrollBar.h"
#include "skin/controls/TSkinUpDown.h"

namespace skin {
namespace {

template <typename Skinner>
void Register(SkinnerRegistry& registry, const char* name) {
    registry.RegisterSkinnerClass(name, FactoryOf<Skinner, QWidget>());
}

}  // namespace

void RegisterScrollingSkinners(SkinnerRegistry& registry) {
    Register<TSkinBorderWinControl>(registry, "TSkinBorderWinControl");
    Register<TSkinScrollWinControl>(registry, "TSkinScrollWinControl");
    Register<TSkinGrid>(registry, "TSkinGrid");
    Register<TSkinListView>(registry, "TSkinListView");
    Register<TSkinScrollBar>(registry, "TSkinScrollBar");
    Register<TSkinComboBox>(registry, "TSkinComboBox");
    Register<TSkinComboBoxEx>(registry, "TSkinComboBoxEx");
    Register<TSkinDateTimePicker>(registry, "TSkinDateTimePicker");
    Register<TSkinUpDown>(registry, "TSkinUpDown");
}

}  // namespace skin
