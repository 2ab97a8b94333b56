#include "skin/controls/TSkinBorderWinControl.h"

#include <QPainter>

#include "skin/controls/ControlBorder.h"

namespace skin {

void TSkinBorderWinControl::Paint() {
    QWidget* control = Control();
    if (!control) return;
    QPainter painter(control);
    PaintBorder(painter);
}

void TSkinBorderWinControl::PaintBorder(QPainter& painter) {
    if (QWidget* control = Control()) PaintControlBorder(painter, control, Engine());
}

}  // namespace skin
