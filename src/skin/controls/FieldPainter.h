#pragma once

#include <QPainter>
#include <QRect>

namespace skin {

class SkinValues;

// The flat two-colour frame of an edit field: a line in the control border colour around
// `rect` and one in `face` inside it.
void PaintFieldFrame(QPainter& painter, const SkinValues& skin, const QRect& rect,
                     const QColor& face);

// A combo box's drop button: filled with the control colour, a line in the border colour along
// its inner edge (the left one, the right one when the text runs right to left) reaching one
// pixel past it at both ends, and a down arrow in its middle, grey when disabled.
void PaintComboButton(QPainter& painter, const SkinValues& skin, const QRect& button, bool enabled,
                      bool rightToLeft);

// Which half of a pair of spin buttons is held down.
enum class HeldPart { None, First, Second };

// The two halves of spin buttons (up then down, or left then right): each outlined in the tool
// bar border colour and filled with the form colour, or with the tool bar down colour while
// held, when its arrow also moves one pixel right and down.
void PaintUpDown(QPainter& painter, const SkinValues& skin, const QRect& first, const QRect& second,
                 bool vertical, HeldPart held, bool enabled);

}  // namespace skin
