#include "skin/controls/ControlBorder.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

#include "skin/controls/FieldPainter.h"

namespace skin {

bool HasBorderFrame(const QWidget* control) {
    if (const auto* frame = qobject_cast<const QFrame*>(control))
        return frame->frameShape() != QFrame::NoFrame && frame->frameWidth() > 0;
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->hasFrame();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(control)) return spin->hasFrame();
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->hasFrame();
    return control != nullptr;
}

QColor ControlFaceColour(const QWidget* control) {
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(control)) {
        const QWidget* viewport = area->viewport();
        return viewport->palette().color(viewport->backgroundRole());
    }
    return control->palette().color(QPalette::Base);
}

void PaintControlBorder(QPainter& painter, const QWidget* control, const TSkinEngine& engine) {
    if (!HasBorderFrame(control)) return;
    PaintFieldFrame(painter, engine, control->rect(), ControlFaceColour(control));
}

}  // namespace skin
