#pragma once

#include <QEvent>
#include <QMouseEvent>

namespace skin {

class TSkinControl;

// Reading the input events button skinners act on.
bool IsLeftButton(const QEvent* event);
// Space, Return or the keypad's Enter.
bool IsClickKey(const QEvent* event);
bool IsEnterKey(const QEvent* event);
bool IsAutoRepeat(const QEvent* event);

// The press a double click stands for: Qt sends the second press of a double click only as the
// double click.
QMouseEvent PressOf(const QMouseEvent& doubleClick);

// While the left button is held the control keeps the mouse, so no leave comes when the pointer
// goes off it: moving off makes the skinner see a leave (neither hot nor pressed), moving back
// on an enter.
void FollowHeldMouse(TSkinControl& skinner, const QMouseEvent& move);

}  // namespace skin
