#include "skin/engine/WindowKinds.h"

#include <QColorDialog>
#include <QDialog>
#include <QErrorMessage>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <typeinfo>

#include "skin/values/SkinMarks.h"

namespace skin {

bool IsStandardDialog(const QWidget* widget) {
    return widget && widget->isWindow() &&
           (qobject_cast<const QMessageBox*>(widget) || qobject_cast<const QInputDialog*>(widget) ||
            qobject_cast<const QColorDialog*>(widget) || qobject_cast<const QFontDialog*>(widget) ||
            qobject_cast<const QProgressDialog*>(widget) ||
            qobject_cast<const QErrorMessage*>(widget) || qobject_cast<const QFileDialog*>(widget));
}

bool IsApplicationForm(const QWidget* widget) {
    if (!widget || !widget->isWindow() || IsStandardDialog(widget) || IsSkinInternal(widget))
        return false;
    if (qobject_cast<const QMenu*>(widget) || widget->inherits("QSystemTrayIconSys")) return false;
    if (widget->windowFlags() & Qt::BypassWindowManagerHint) return false;
    switch (widget->windowType()) {
        case Qt::Window:
        case Qt::Dialog:
        case Qt::Tool:
        case Qt::Sheet:
            return true;
        default:
            return false;
    }
}

bool IsPlainForm(const QWidget* widget) {
    if (!widget) return false;
    const std::type_info& type = typeid(*widget);
    return type == typeid(QWidget) || type == typeid(QDialog) || type == typeid(QMainWindow);
}

}  // namespace skin
