#include "skin/engine/SkinSystemMenu.h"

#include <QMenu>

#include "skin/windows/TSkinWindow.h"

namespace skin {

SkinSystemMenu::SkinSystemMenu() : menu_(std::make_unique<QMenu>()) {
    menu_->setObjectName("SkinSystemMenu");
    auto act = [this](void (TSkinWindow::*action)()) {
        return [this, action] {
            if (TSkinWindow* owner = owner_) (owner->*action)();
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

TSkinWindow* SkinSystemMenu::Owner() const { return owner_; }

void SkinSystemMenu::SetOwner(TSkinWindow* owner) { owner_ = owner; }

void SkinSystemMenu::EnableForOwner() {
    const TSkinWindow* owner = owner_;
    if (!owner) return;
    close_->setEnabled(owner->CloseButtonShown());
    maximize_->setEnabled(owner->MaxButtonShown());
    minimize_->setEnabled(owner->MinButtonShown());
}

}  // namespace skin
