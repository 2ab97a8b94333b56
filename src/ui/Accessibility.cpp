#include "ui/Accessibility.h"

#include <QWidget>
#include <vector>

namespace plivant {

RoleAccessible::RoleAccessible(QWidget* widget, QAccessible::Role role,
                               std::function<QString()> name, std::function<void()> press)
    : QAccessibleWidget(widget, role), name_(std::move(name)), press_(std::move(press)) {}

QString RoleAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty() && name_) return name_();
    return QAccessibleWidget::text(kind);
}

QStringList RoleAccessible::actionNames() const {
    if (press_) return {pressAction()};
    return QAccessibleWidget::actionNames();
}

void RoleAccessible::doAction(const QString& action) {
    if (press_ && action == pressAction()) {
        press_();
        return;
    }
    QAccessibleWidget::doAction(action);
}

namespace detail {
namespace {

std::vector<std::function<QAccessibleInterface*(QObject*)>>& Makers() {
    static std::vector<std::function<QAccessibleInterface*(QObject*)>> makers;
    return makers;
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    for (const auto& make : Makers()) {
        if (QAccessibleInterface* made = make(object)) return made;
    }
    return nullptr;
}

}  // namespace

void AddAccessibleMaker(std::function<QAccessibleInterface*(QObject*)> maker) {
    if (Makers().empty()) QAccessible::installFactory(&Factory);
    Makers().push_back(std::move(maker));
}

}  // namespace detail
}  // namespace plivant
