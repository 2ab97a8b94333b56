#include "skin/engine/SkinMenus.h"

#include <QMenu>

#include "skin/engine/MenuStyler.h"
#include "skin/engine/SkinMenuStyle.h"
#include "skin/engine/SkinSystemMenu.h"
#include "skin/values/SkinValues.h"
#include "skin/windows/SkinMenuBarStyle.h"

namespace skin {

SkinMenus::SkinMenus(const SkinValues& skin)
    : skin_(skin),
      menuStyle_(std::make_unique<SkinMenuStyle>(skin.Menus())),
      systemMenu_(std::make_unique<SkinSystemMenu>()),
      styler_(std::make_unique<MenuStyler>(*menuStyle_)) {
    OwnerDraw(systemMenu_->Menu());
}

SkinMenus::~SkinMenus() = default;

void SkinMenus::OwnerDraw(QMenu* menu) {
    if (menu) styler_->Apply(menu);
}

void SkinMenus::Restore(QMenu* menu) {
    if (menu) styler_->Restore(menu);
}

bool SkinMenus::IsOwnerDrawn(const QMenu* menu) const { return menu && styler_->IsStyled(menu); }

void SkinMenus::RestoreOthers() {
    styler_->RestoreAll();
    OwnerDraw(systemMenu_->Menu());
}

QStyle* SkinMenus::MenuBarStyle() {
    if (!menuBarStyle_) menuBarStyle_ = std::make_unique<SkinMenuBarStyle>(skin_);
    return menuBarStyle_.get();
}

QMenu* SkinMenus::SystemMenu() const { return systemMenu_->Menu(); }

void SkinMenus::SetSystemCaptions(const QString& minimize, const QString& maximize,
                                  const QString& close) {
    systemMenu_->SetCaptions(minimize, maximize, close);
}

TSkinWindow* SkinMenus::SysMenuOwner() const { return systemMenu_->Owner(); }

void SkinMenus::SetSysMenuOwner(TSkinWindow* owner) { systemMenu_->SetOwner(owner); }

}  // namespace skin
