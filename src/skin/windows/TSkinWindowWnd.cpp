#include "skin/windows/TSkinWindowWnd.h"

#include <QAbstractButton>
#include <QDialog>
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
            if (auto* box = qobject_cast<QMessageBox*>(dialog.data())) {
                if (QAbstractButton* escape = box->escapeButton()) {
                    escape->click();
                    return;
                }
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
