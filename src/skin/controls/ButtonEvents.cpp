#include "skin/controls/ButtonEvents.h"

#include <QKeyEvent>

#include "skin/controls/TSkinControl.h"

namespace skin {

bool IsLeftButton(const QEvent* event) {
    return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

bool IsEnterKey(const QEvent* event) {
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsClickKey(const QEvent* event) {
    return IsEnterKey(event) || static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Space;
}

bool IsAutoRepeat(const QEvent* event) {
    return static_cast<const QKeyEvent*>(event)->isAutoRepeat();
}

QMouseEvent PressOf(const QMouseEvent& doubleClick) {
    return QMouseEvent(QEvent::MouseButtonPress, doubleClick.position(),
                       doubleClick.scenePosition(), doubleClick.globalPosition(),
                       doubleClick.button(), doubleClick.buttons(), doubleClick.modifiers(),
                       doubleClick.pointingDevice());
}

void FollowHeldMouse(TSkinControl& skinner, const QMouseEvent& move) {
    const QWidget* control = skinner.Control();
    if (!control || !(move.buttons() & Qt::LeftButton)) return;
    const bool inside = control->rect().contains(move.position().toPoint());
    if (!inside && skinner.Hot()) {
        QEvent leave(QEvent::Leave);
        skinner.AfterMessage(&leave);
    } else if (inside && !skinner.Hot()) {
        QEnterEvent enter(move.position(), move.scenePosition(), move.globalPosition());
        skinner.AfterMessage(&enter);
    }
}

}  // namespace skin
