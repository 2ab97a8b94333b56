#include "skin/controls/TSkinBorderWinControl.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

#include "skin/controls/FieldPainter.h"

namespace skin {
namespace {

// Whether the control shows a frame of its own, which the skin's border replaces. A frame
// without shape, or an edit, spin or combo box told to have no frame, gets no border.
bool HasBorderFrame(const QWidget* control) {
    if (const auto* frame = qobject_cast<const QFrame*>(control))
        return frame->frameShape() != QFrame::NoFrame && frame->frameWidth() > 0;
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->hasFrame();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(control)) return spin->hasFrame();
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->hasFrame();
    return control != nullptr;
}

// The colour inside the control's border: the colour its contents are shown on.
QColor ControlFaceColour(const QWidget* control) {
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(control)) {
        const QWidget* viewport = area->viewport();
        return viewport->palette().color(viewport->backgroundRole());
    }
    return control->palette().color(QPalette::Base);
}

// The skin's flat border over the control's edge: a line in the control border colour around
// the whole control and one in its face colour inside it. Nothing for a control without frame.
void PaintControlBorder(QPainter& painter, const QWidget* control, const SkinValues& skin) {
    if (!HasBorderFrame(control)) return;
    PaintFieldFrame(painter, skin, control->rect(), ControlFaceColour(control));
}

}  // namespace

void TSkinBorderWinControl::Paint() {
    QWidget* control = Control();
    if (!control) return;
    QPainter painter(control);
    PaintBorder(painter);
}

void TSkinBorderWinControl::PaintBorder(QPainter& painter) {
    if (QWidget* control = Control()) PaintControlBorder(painter, control, Skin());
}

}  // namespace skin
