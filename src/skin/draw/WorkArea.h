#pragma once

#include <QRect>

class QWidget;

namespace skin {

// The available area of the screen the widget is on (the primary screen without a widget), with
// its bottom pulled in by one pixel. Empty when there is no screen at all.
QRect GetWorkArea(const QWidget* near = nullptr);

}  // namespace skin
