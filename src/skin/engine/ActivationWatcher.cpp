#include "skin/engine/ActivationWatcher.h"

#include <QApplication>
#include <QMenu>

#include "skin/engine/TSkinEngine.h"
#include "skin/engine/WindowKinds.h"
#include "skin/values/SkinMarks.h"

namespace skin {
namespace {
ActivationWatcher* installed = nullptr;
}  // namespace

ActivationWatcher::ActivationWatcher(TSkinEngine& engine) : engine_(engine) {
    installed = this;
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

ActivationWatcher::~ActivationWatcher() {
    if (installed == this) installed = nullptr;
}

bool ActivationWatcher::Installed() { return installed != nullptr; }

bool ActivationWatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::WindowActivate && type != QEvent::Polish)
        return false;
    if (!watched->isWidgetType() || !engine_.IsSkinning()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        // A menu made on the spot (a context menu) gets the skin before Qt measures it.
        if (type != QEvent::WindowActivate) MenuShown(menu);
    } else if (type != QEvent::Polish && widget->isWindow()) {
        WindowShown(widget);
    }
    return false;
}

void ActivationWatcher::WindowShown(QWidget* window) {
    if (IsStandardDialog(window)) {
        if (window != WindowRegistry::LastDestroyedDialog() && engine_.SkinDialogs() &&
            !IsSkinned(window)) {
            engine_.RegisterWindow(window, true);
        }
        WindowRegistry::SetLastDestroyedDialog(nullptr);
        return;
    }
    if (!IsApplicationForm(window) || IsSkinned(window)) return;
    if (TagOf(window) == engine_.DisabledTag()) return;
    if (engine_.SkinAllForms() || IsPlainForm(window)) engine_.RegisterWindow(window, false);
}

void ActivationWatcher::MenuShown(QMenu* menu) {
    if (engine_.IsOwnerDrawn(menu) || TagOf(menu) == engine_.DisabledTag()) return;
    QWidget* owner = menu->parentWidget();
    if (!owner) return;
    QWidget* window = owner->window();
    if (IsSkinned(window) || engine_.IsOwnerDrawn(qobject_cast<QMenu*>(window))) {
        engine_.OwnerDrawMenu(menu);
    }
}

}  // namespace skin
