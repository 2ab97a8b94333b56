#include "skin/controls/ButtonFamily.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/TSkinButton.h"
#include "skin/controls/TSkinCheckBox.h"
#include "skin/controls/TSkinSpeedButton.h"

namespace skin {

void RegisterButtonSkinners(SkinnerRegistry& registry) {
    registry.RegisterSkinnerClass("TSkinButton", FactoryOf<TSkinButton, QPushButton>());
    registry.RegisterSkinnerClass("TSkinSpeedButton", FactoryOf<TSkinSpeedButton, QToolButton>());
    registry.RegisterSkinnerClass("TSkinCheckBox", FactoryOf<TSkinCheckBox, QCheckBox>());
    registry.RegisterSkinnerClass("TSkinRadioButton", FactoryOf<TSkinRadioButton, QRadioButton>());
}

}  // namespace skin
