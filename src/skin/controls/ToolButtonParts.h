#pragma once

#include <QColor>
#include <QIcon>
#include <QRect>
#include <Qt>

class QPainter;
class QToolButton;

namespace skin {

// What the tool button painters read off a QToolButton, taken from Qt's own geometry so that the
// painted parts are where the button takes its clicks.

// The style the button shows its icon and text in, a style-chosen one resolved.
Qt::ToolButtonStyle ShownStyle(const QToolButton& button);

// The icon shows unless the button shows text only; the text shows unless it shows the icon
// only and has one. Neither shows when the button has none.
bool ShowsImage(const QToolButton& button);
bool ShowsCaption(const QToolButton& button);
// A checked button shows its icon's on state.
QIcon::State IconState(const QToolButton& button);

// A button split into a face and a drop-down part that opens its menu.
bool HasDropDownPart(const QToolButton& button);
// Where the drop-down part begins; the button's right edge (exclusive) without one.
int DropDownPartLeft(const QToolButton& button);

// The drop-down part's mark on a button face: a line in `line` down its left edge and a small
// black arrow, 5 pixels wide at the top, centred in the part at half the button's height.
void DrawDropDownMark(QPainter& painter, const QRect& button, int partLeft, const QColor& line);

}  // namespace skin
