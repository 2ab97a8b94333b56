#include "skin/windows/TSkinWindowWnd.h"

#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace skin {

void TSkinWindowWnd::Close() {
    QWidget* window = Window();
    if (!window) return;
    QPointer<QWidget> dialog(window);
    QMetaObject::invokeMethod(
        window,
        [dialog] {
            if (!dialog) return;
            // A message box knows which of its buttons Escape clicks.
            if (qobject_cast<QMessageBox*>(dialog.data())) {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(dialog, &escape);
                return;
            }
            if (auto* modal = qobject_cast<QDialog*>(dialog.data())) {
                modal->reject();
            } else {
                dialog->close();
            }
        },
        Qt::QueuedConnection);
}

void TSkinWindowWnd::ApplySkinState() {
    if (!Destroying()) Controls().ApplySkinState();
    if (LookOn()) {
        PutFrameOn();
    } else if (!WindowGoingAway()) {
        TakeFrameOff();
    }
}

}  // namespace skin
