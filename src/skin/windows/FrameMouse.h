#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "skin/windows/FrameGeometry.h"
#include "skin/windows/WindowDragger.h"

class QMouseEvent;

namespace skin {

class TSkinWindow;

// The mouse on a skinned window's frame. It watches the window's native window, which sees every
// mouse event before Qt hands it to a widget, so the frame answers even where its resize zone
// reaches over the window's children, and hover works without the widgets' mouse tracking.
//
// Caption buttons light up under the mouse and show pressed while the left button is held on
// them; a button acts when the button is released over it, wherever on the frame it was pressed.
// Moving off the buttons while pressed forgets the press. The caption moves the window, borders
// resize it, a double click on the caption maximises or restores, one on the icon closes.
class FrameMouse : public QObject {
public:
    explicit FrameMouse(TSkinWindow& window);

    void Watch(QWindow* handle);
    // Forgets presses, drags and hover, as after the window system moved the window.
    void Reset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Press(const QMouseEvent& event, const FrameHit& hit);
    bool Move(const QMouseEvent& event, const FrameHit& hit);
    bool Release(const QMouseEvent& event);
    bool DoubleClick(const QMouseEvent& event, const FrameHit& hit);
    void Act(int element);
    void ShowResizeCursor(Qt::Edges edges, const QPoint& at);

    TSkinWindow& window_;
    QPointer<QWindow> handle_;
    WindowDragger dragger_;
    bool grabbed_ = false;  // the left button went down on the frame and is still down
    bool swallowRelease_ = false;
    bool cursorShown_ = false;
    // A click on the icon opens the system menu once it is clear that no double click follows.
    QTimer menuDelay_;
};

}  // namespace skin
