#include "skin/windows/FrameMouse.h"

#include <QApplication>
#include <QMouseEvent>

#include "skin/draw/DeviceScale.h"
#include "skin/windows/TSkinWindow.h"

namespace skin {
namespace {

Qt::CursorShape ResizeShape(Qt::Edges edges) {
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = (edges & Qt::LeftEdge) == bool(edges & Qt::TopEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

// The logical pixel under the pointer. On a screen of a fractional ratio the pointer stands on a
// device pixel, which belongs to the logical pixel whose rounded edges hold it (DeviceScale);
// rounding its position instead would miss the window's last row and column.
QPoint PixelAt(const QMouseEvent& event, const QWindow* handle) {
    const DeviceScale scale(handle ? handle->devicePixelRatio() : 1);
    const QPointF at = event.position();
    if (scale.IsIdentity()) return at.toPoint();
    return QPoint(scale.LogicalAt(qRound(at.x() * scale.Ratio())),
                  scale.LogicalAt(qRound(at.y() * scale.Ratio())));
}

}  // namespace

FrameMouse::FrameMouse(TSkinWindow& window) : window_(window) {
    menuDelay_.setSingleShot(true);
    connect(&menuDelay_, &QTimer::timeout, this, [this] { window_.ShowSystemMenu(); });
}

void FrameMouse::Watch(QWindow* handle) {
    if (handle_ == handle) return;
    if (handle_) handle_->removeEventFilter(this);
    handle_ = handle;
    if (handle_) handle_->installEventFilter(this);
}

void FrameMouse::Reset() {
    grabbed_ = false;
    swallowRelease_ = false;
    menuDelay_.stop();
    dragger_.End();
    window_.SetButtonPressed(false);
    window_.SetHotButton(caption::kNone);
    if (cursorShown_ && handle_) handle_->unsetCursor();
    cursorShown_ = false;
}

bool FrameMouse::eventFilter(QObject* watched, QEvent* event) {
    if (watched != handle_ || !window_.LookOn()) return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::Leave) {
        if (!grabbed_) window_.SetHotButton(caption::kNone);
        return false;
    }
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) {
        return false;
    }
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    const FrameHit hit = window_.Geometry().HitTest(PixelAt(mouse, handle_));
    switch (type) {
        case QEvent::MouseMove:
            return Move(mouse, hit);
        case QEvent::MouseButtonPress:
            return Press(mouse, hit);
        case QEvent::MouseButtonRelease:
            return Release(mouse);
        default:
            return DoubleClick(mouse, hit);
    }
}

bool FrameMouse::Press(const QMouseEvent& event, const FrameHit& hit) {
    if (hit.Where == FrameHit::Client) {
        window_.SetHotButton(caption::kNone);
        return false;
    }
    QWidget* window = window_.Window();
    const QPoint global = event.globalPosition().toPoint();
    if (event.button() == Qt::RightButton) {
        if (hit.Where == FrameHit::Caption) window_.ShowSystemMenuAt(global);
        return true;
    }
    if (event.button() != Qt::LeftButton) return true;
    grabbed_ = true;
    window_.SetHotButton(hit.Where == FrameHit::CaptionElement ? hit.Element : caption::kNone);
    window_.SetButtonPressed(true);
    if (hit.Where == FrameHit::Caption && !window->isMaximized()) {
        dragger_.Arm(window, global, {});
    } else if (hit.Where == FrameHit::Border && hit.Edges) {
        dragger_.Arm(window, global, hit.Edges);
    }
    window->activateWindow();
    return true;
}

bool FrameMouse::Move(const QMouseEvent& event, const FrameHit& hit) {
    if (grabbed_ && dragger_.Active()) {
        if (dragger_.Move(event.globalPosition().toPoint())) Reset();
        return true;
    }
    const int element = hit.Where == FrameHit::CaptionElement ? hit.Element : caption::kNone;
    if (grabbed_) {
        // Off the buttons the press is forgotten; back on one, it only lights up.
        if (window_.ButtonPressed() && element == caption::kNone) window_.SetButtonPressed(false);
        window_.SetHotButton(element);
        return true;
    }
    window_.SetHotButton(element);
    ShowResizeCursor(hit.Edges, PixelAt(event, handle_));
    return hit.Where != FrameHit::Client;
}

bool FrameMouse::Release(const QMouseEvent& event) {
    if (!grabbed_ || event.button() != Qt::LeftButton) return grabbed_;
    grabbed_ = false;
    const bool dragged = dragger_.Active();
    dragger_.End();
    const int element = window_.Geometry().ElementAt(PixelAt(event, handle_));
    window_.SetButtonPressed(false);
    window_.SetHotButton(element);
    if (swallowRelease_ || dragged) {
        swallowRelease_ = false;
        return true;
    }
    Act(element);
    return true;
}

bool FrameMouse::DoubleClick(const QMouseEvent& event, const FrameHit& hit) {
    if (hit.Where == FrameHit::Client) return false;
    if (event.button() != Qt::LeftButton) return true;
    if (hit.Where == FrameHit::Caption) {
        dragger_.End();
        swallowRelease_ = true;
        window_.SetButtonPressed(false);
        window_.MaximizeOrRestore();
    } else if (hit.Where == FrameHit::CaptionElement && hit.Element == caption::kIcon) {
        menuDelay_.stop();
        swallowRelease_ = true;
        window_.SetButtonPressed(false);
        window_.Close();
    } else if (hit.Where == FrameHit::CaptionElement) {
        window_.SetButtonPressed(true);  // a button acts once, on the release
    }
    return true;
}

void FrameMouse::Act(int element) {
    switch (element) {
        case caption::kIcon:
            menuDelay_.start(QApplication::doubleClickInterval());
            break;
        case caption::kClose:
            window_.Close();
            break;
        case caption::kMaximize:
            window_.MaximizeOrRestore();
            break;
        case caption::kMinimize:
            window_.Minimize();
            break;
        case caption::kHelp:
            window_.Help();
            break;
        default:
            break;
    }
}

// Over a resize zone the pointer shows the resize shape, also where the zone lies over a child.
void FrameMouse::ShowResizeCursor(Qt::Edges edges, const QPoint& at) {
    if (!handle_) return;
    if (edges) {
        handle_->setCursor(ResizeShape(edges));
        cursorShown_ = true;
    } else if (cursorShown_) {
        QWidget* window = window_.Window();
        QWidget* under = window->childAt(at);
        handle_->setCursor((under ? under : window)->cursor());
        cursorShown_ = false;
    }
}

}  // namespace skin
