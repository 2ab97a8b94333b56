#include "skin/engine/SkinSystemMenu.h"

#include <QMenu>

#include "skin/engine/TSkinEngine.h"
#include "skin/windows/TSkinWindow.h"

namespace skin {

SkinSystemMenu::SkinSystemMenu(TSkinEngine& engine)
    : engine_(engine), menu_(std::make_unique<QMenu>()) {
    menu_->setObjectName("SkinSystemMenu");
    auto act = [this](void (TSkinWindow::*action)()) {
        return [this, action] {
            if (TSkinWindow* owner = engine_.SysMenuOwner()) (owner->*action)();
        };
    };
    minimize_ = menu_->addAction(QString(), act(&TSkinWindow::Minimize));
    maximize_ = menu_->addAction(QString(), act(&TSkinWindow::MaximizeOrRestore));
    menu_->addSeparator();
    close_ = menu_->addAction(QString(), act(&TSkinWindow::Close));
    QObject::connect(menu_.get(), &QMenu::aboutToShow, [this] { EnableForOwner(); });
}

SkinSystemMenu::~SkinSystemMenu() = default;

void SkinSystemMenu::SetCaptions(const QString& minimize, const QString& maximize,
                                 const QString& close) {
    minimize_->setText(minimize);
    maximize_->setText(maximize);
    close_->setText(close);
}

void SkinSystemMenu::EnableForOwner() {
    const TSkinWindow* owner = engine_.SysMenuOwner();
    if (!owner) return;
    close_->setEnabled(owner->CloseButtonShown());
    maximize_->setEnabled(owner->MaxButtonShown());
    minimize_->setEnabled(owner->MinButtonShown());
}

}  // namespace skin
