#include "skin/windows/WindowDragger.h"

#include <QWindow>
#include <algorithm>

namespace skin {
namespace {

// Moves the start or the end edge by `delta`, keeping the length between `min` and `max`; the
// other edge stays.
void DragEdge(int& start, int& end, bool moveStart, int delta, int min, int max) {
    if (moveStart) {
        const int length = std::clamp(end - (start + delta), min, max);
        start = end - length;
    } else {
        const int length = std::clamp(end + delta - start, min, max);
        end = start + length;
    }
}

}  // namespace

QRect ResizedGeometry(const QRect& start, Qt::Edges edges, const QPoint& delta, const QSize& min,
                      const QSize& max) {
    int left = start.x();
    int right = start.x() + start.width();
    int top = start.y();
    int bottom = start.y() + start.height();
    if (edges & (Qt::LeftEdge | Qt::RightEdge)) {
        DragEdge(left, right, edges & Qt::LeftEdge, delta.x(), min.width(), max.width());
    }
    if (edges & (Qt::TopEdge | Qt::BottomEdge)) {
        DragEdge(top, bottom, edges & Qt::TopEdge, delta.y(), min.height(), max.height());
    }
    return QRect(left, top, right - left, bottom - top);
}

void WindowDragger::Arm(QWidget* window, const QPoint& pressGlobal, Qt::Edges edges) {
    window_ = window;
    pressGlobal_ = pressGlobal;
    start_ = window ? window->geometry() : QRect();
    edges_ = edges;
    state_ = window ? State::Armed : State::Idle;
}

bool WindowDragger::Move(const QPoint& global) {
    if (!window_) {
        state_ = State::Idle;
        return false;
    }
    if (state_ == State::Armed) {
        QWindow* handle = window_->windowHandle();
        const bool system =
            handle && (edges_ ? handle->startSystemResize(edges_) : handle->startSystemMove());
        if (system) {
            state_ = State::Idle;
            return true;
        }
        state_ = State::Manual;
    }
    Follow(global);
    return false;
}

void WindowDragger::Follow(const QPoint& global) {
    const QPoint delta = global - pressGlobal_;
    if (!edges_) {
        window_->move(start_.topLeft() + delta);
        return;
    }
    window_->setGeometry(
        ResizedGeometry(start_, edges_, delta, window_->minimumSize(), window_->maximumSize()));
}

}  // namespace skin
