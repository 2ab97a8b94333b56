#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace skin {

// Moves or resizes a window with the mouse after a press on its frame. The window system is
// asked to take over on the first move after the press, not on the press itself: asked at the
// press, it would swallow the release. When it declines (no window manager), the window follows
// the mouse from here.
class WindowDragger {
public:
    // Edges to resize; none to move.
    void Arm(QWidget* window, const QPoint& pressGlobal, Qt::Edges edges);
    bool Armed() const { return state_ == State::Armed; }
    bool Active() const { return state_ != State::Idle; }
    // True when the window system took the move over; the press is then over for the caller.
    bool Move(const QPoint& global);
    void End() { state_ = State::Idle; }

private:
    enum class State { Idle, Armed, Manual };

    void Follow(const QPoint& global);

    QPointer<QWidget> window_;
    QPoint pressGlobal_;
    QRect start_;
    Qt::Edges edges_;
    State state_ = State::Idle;
};

// The geometry after dragging the given edges of `start` by `delta`, kept within the limits.
QRect ResizedGeometry(const QRect& start, Qt::Edges edges, const QPoint& delta, const QSize& min,
                      const QSize& max);

}  // namespace skin
