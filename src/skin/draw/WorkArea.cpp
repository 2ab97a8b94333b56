#include "skin/draw/WorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace skin {

QRect GetWorkArea(const QWidget* near) {
    QScreen* screen = near ? near->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return QRect();
    return screen->availableGeometry().adjusted(0, 0, 0, -1);
}

}  // namespace skin
