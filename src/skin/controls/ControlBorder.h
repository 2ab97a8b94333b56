#pragma once

#include <QColor>

class QPainter;
class QWidget;

namespace skin {

class TSkinEngine;

// Whether the control shows a frame of its own, which the skin's border replaces. A frame
// without shape, or an edit, spin or combo box told to have no frame, gets no border.
bool HasBorderFrame(const QWidget* control);

// The colour inside the control's border: the colour its contents are shown on.
QColor ControlFaceColour(const QWidget* control);

// The skin's flat border over the control's edge: a line in the control border colour around
// the whole control and one in its face colour inside it. Nothing for a control without frame.
void PaintControlBorder(QPainter& painter, const QWidget* control, const TSkinEngine& engine);

}  // namespace skin
