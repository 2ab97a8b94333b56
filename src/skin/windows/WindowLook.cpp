#include "skin/windows/WindowLook.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QSizeGrip>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

namespace skin {
namespace {

bool LayoutHolds(const QLayout* layout, const QWidget* child) {
    if (!layout) return false;
    if (layout->menuBar() == child) return true;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (!item) continue;
        if (item->widget() == child) return true;
        if (LayoutHolds(item->layout(), child)) return true;
    }
    return false;
}

bool MainWindowPlaces(const QWidget* parent, const QWidget* child) {
    const auto* main = qobject_cast<const QMainWindow*>(parent);
    if (!main) return false;
    return child == main->centralWidget() || child == main->menuWidget() ||
           qobject_cast<const QStatusBar*>(child) || qobject_cast<const QToolBar*>(child) ||
           qobject_cast<const QDockWidget*>(child) ||
           child->inherits("QMainWindowLayoutSeparatorHelper");
}

QSize Grown(const QSize& size, const QSize& grow) {
    auto add = [](int value, int by) { return value >= QWIDGETSIZE_MAX ? value : value + by; };
    return QSize(add(size.width(), grow.width()), add(size.height(), grow.height()));
}

}  // namespace

bool IsPlacedByLayout(const QWidget* parent, const QWidget* child) {
    return LayoutHolds(parent->layout(), child) || MainWindowPlaces(parent, child);
}

void WindowLook::ChangeFlags(QWidget* window, Qt::WindowFlags flags) {
    if (window->windowFlags() == flags) return;
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle()) handle->setFlags(flags);
}

void WindowLook::PutOn(const QMargins& frame, bool frameless) {
    if (!window_ || saved_) return;
    QWidget* w = window_;
    saved_ =
        Saved{w->windowFlags(), w->contentsMargins(), {}, {}, w->mask(), w->hasMouseTracking()};
    frame_ = frame;
    const QPoint outerTopLeft = w->isVisible() ? w->frameGeometry().topLeft() : w->pos();
    const QSize grow(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (frameless) ChangeFlags(w, w->windowFlags() | Qt::FramelessWindowHint);
    w->setMouseTracking(true);
    GrowLimits(grow);
    w->setContentsMargins(saved_->Margins + frame);
    MoveHandPlacedChildren(QPoint(frame.left(), frame.top()));
    if (!(w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        w->resize(w->size() + grow);
        if (w->isVisible()) w->move(outerTopLeft);
    }
    HideSizeGrips();
}

void WindowLook::TakeOff() {
    if (!saved_) return;
    const Saved saved = *saved_;
    saved_.reset();
    QWidget* w = window_;
    if (!w) return;
    const QSize grow(frame_.left() + frame_.right(), frame_.top() + frame_.bottom());
    const QPoint topLeft = w->pos();
    const bool normal = !(w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    const QSize size = w->size() - grow;
    for (const MovedChild& moved : moved_) {
        if (moved.Child) moved.Child->move(moved.Child->pos() - moved.Offset);
    }
    moved_.clear();
    ShowSizeGrips();
    w->setContentsMargins(saved.Margins);
    if (saved.MinimumSize) w->setMinimumSize(*saved.MinimumSize);
    if (saved.MaximumSize) w->setMaximumSize(*saved.MaximumSize);
    if (saved.Mask.isEmpty()) {
        w->clearMask();
    } else {
        w->setMask(saved.Mask);
    }
    w->setMouseTracking(saved.MouseTracking);
    ChangeFlags(w, saved.Flags);
    if (normal) {
        w->resize(size);
        if (w->isVisible()) w->move(topLeft);
    }
    frame_ = QMargins();
}

void WindowLook::MoveHandPlacedChildren(const QPoint& offset) {
    if (offset.isNull()) return;
    for (QObject* object : window_->children()) {
        if (!object->isWidgetType()) continue;
        auto* child = static_cast<QWidget*>(object);
        if (child->isWindow() || IsPlacedByLayout(window_, child)) continue;
        child->move(child->pos() + offset);
        moved_.push_back({child, offset});
    }
}

void WindowLook::SetMinimumSize(const QSize& size) {
    if (!window_ || !saved_) return;
    if (!saved_->MinimumSize) saved_->MinimumSize = window_->minimumSize();
    window_->setMinimumSize(size);
}

void WindowLook::HideSizeGrips() {
    if (!window_ || !saved_) return;
    for (QSizeGrip* grip : window_->findChildren<QSizeGrip*>()) {
        if (grip->isHidden() || grip->window() != window_ ||
            qobject_cast<QStatusBar*>(grip->parentWidget()))
            continue;
        grip->hide();
        hiddenGrips_.emplace_back(grip);
    }
}

// As a grip does by itself, none shows on a maximised or full-screen window, and the window's
// state decides again from now on.
void WindowLook::ShowSizeGrips() {
    const bool full = window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    for (const QPointer<QSizeGrip>& grip : hiddenGrips_) {
        if (!grip) continue;
        grip->setVisible(!full);
        grip->setAttribute(Qt::WA_WState_ExplicitShowHide, false);
    }
    hiddenGrips_.clear();
}

// A window whose size is bounded (or fixed) may grow by the frame.
void WindowLook::GrowLimits(const QSize& grow) {
    QWidget* w = window_;
    const QSize max = w->maximumSize();
    const QSize min = w->minimumSize();
    if (max.width() < QWIDGETSIZE_MAX || max.height() < QWIDGETSIZE_MAX) {
        saved_->MaximumSize = max;
        w->setMaximumSize(Grown(max, grow));
    }
    if (min == max) SetMinimumSize(Grown(min, grow));
}

}  // namespace skin
