#include "skin/controls/ButtonFamily.h"

#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/TSkinButton.h"
#include "skin/controls/TSkinCheckBox.h"
#include "skin/controls/TSkinSpeedButton.h"

namespace skin {
namespace {

// Tool buttons that are parts of other controls (a tab bar's scroll arrows, an edit's clear
// button, a calendar's month buttons) are drawn by those controls, or by their skinners.
bool IsPartOfAnotherControl(const QWidget* button) {
    const QWidget* parent = button->parentWidget();
    if (qobject_cast<const QTabBar*>(parent) || qobject_cast<const QLineEdit*>(parent) ||
        qobject_cast<const QAbstractSpinBox*>(parent)) {
        return true;
    }
    for (; parent && !parent->isWindow(); parent = parent->parentWidget()) {
        if (qobject_cast<const QCalendarWidget*>(parent)) return true;
    }
    return false;
}

SkinnerFactory ToolButtonFactory() {
    return [plain = FactoryOf<TSkinSpeedButton, QToolButton>()](
               QWidget* widget, SkinnerHost& window) -> std::unique_ptr<TSkinControl> {
        if (!widget || IsPartOfAnotherControl(widget)) return nullptr;
        return plain(widget, window);
    };
}

}  // namespace

void RegisterButtonSkinners(SkinnerRegistry& registry) {
    registry.RegisterSkinnerClass("TSkinButton", FactoryOf<TSkinButton, QPushButton>());
    registry.RegisterSkinnerClass("TSkinSpeedButton", ToolButtonFactory());
    registry.RegisterSkinnerClass("TSkinCheckBox", FactoryOf<TSkinCheckBox, QCheckBox>());
    registry.RegisterSkinnerClass("TSkinRadioButton", FactoryOf<TSkinRadioButton, QRadioButton>());
}

}  // namespace skin
