#include "skin/windows/TSkinMdiFrame.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>

#include "skin/controls/StyledWidget.h"
#include "skin/values/SkinValues.h"
#include "skin/windows/MdiArrange.h"
#include "skin/windows/MdiChildStyle.h"
#include "skin/windows/MdiMenus.h"
#include "skin/windows/TSkinWindowVCL.h"
#include "skin/windows/WindowEngine.h"

namespace skin {

struct TSkinMdiFrame::Child {
    Child(QMdiSubWindow* window, const SkinValues& skin)
        : Window(window), Styled(window, std::make_unique<MdiChildStyle>(skin)) {}

    WidgetGuard<QMdiSubWindow> Window;
    StyledWidget Styled;
};

TSkinMdiFrame::TSkinMdiFrame(TSkinWindowVCL& window, QMdiArea* area)
    : window_(window), area_(area), menuBar_(window.Form(), window.Engine()) {
    area->installEventFilter(this);
    area->viewport()->installEventFilter(this);
    connect(area, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* child) { ChildActivated(child); });
    AdoptChildren();
}

TSkinMdiFrame::~TSkinMdiFrame() {
    Apply(false);
    delete buttons_.data();
}

void TSkinMdiFrame::Apply(bool on) {
    QMdiArea* area = Area();
    if (on_ == on || !area) return;
    on_ = on;
    SetArrangedBySkin(area, on);
    if (!on) {
        // The buttons leave the menu bar before the children get Qt's look back, as Qt may
        // then put its own buttons there.
        HideMDIButtons();
        menuBar_.Stop();
        for (auto& child : children_) SkinChild(*child, false);
        return;
    }
    for (auto& child : children_) SkinChild(*child, true);
    menuBar_.Start(window_.MenuBar());
    UpdateMenuBar(true);
    ChildActivated(area->activeSubWindow());
}

void TSkinMdiFrame::AdoptChildren() {
    if (QMdiArea* area = Area()) {
        for (QMdiSubWindow* window : area->subWindowList()) Adopt(window);
    }
}

TSkinMdiFrame::Child& TSkinMdiFrame::Adopt(QMdiSubWindow* window) {
    for (auto& child : children_) {
        if (child->Window == window) return *child;
    }
    children_.push_back(std::make_unique<Child>(window, window_.Skin()));
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this](QObject* gone) { ChildGone(gone); });
    // Controls inside a child that came after the frame was skinned get their skinners.
    window_.Controls().SkinControl(window);
    SkinChild(*children_.back(), on_);
    return *children_.back();
}

void TSkinMdiFrame::SkinChild(Child& child, bool on) {
    if (!child.Window) return;
    if (on) {
        child.Styled.Look().SetColor(QPalette::Window,
                                     ToQColor(window_.Skin().Metrics().FormColor));
    }
    child.Styled.Wear(on);
}

void TSkinMdiFrame::ChildGone(QObject* window) {
    std::erase_if(children_, [window](const auto& child) {
        return !child->Window || child->Window.object() == window;
    });
    QMdiArea* area = Area();
    if (!on_ || !area) return;
    // The last child gone: the frame's own menu comes back and so do its buttons.
    if (area->subWindowList().isEmpty()) HideMDIButtons();
    UpdateMenuBar(false);
}

bool TSkinMdiFrame::eventFilter(QObject* watched, QEvent* event) {
    QMdiArea* area = Area();
    if (!area) return false;
    const QEvent::Type type = event->type();
    if (watched == area && (type == QEvent::Show || type == QEvent::Hide)) {
        if (on_) UpdateMenuBar(false);
    } else if (watched == area->viewport() && type == QEvent::ChildAdded) {
        // The child is still being made: it is taken on once it is.
        QTimer::singleShot(0, this, [this] { AdoptChildren(); });
    } else if (auto* window = qobject_cast<QMdiSubWindow*>(watched)) {
        ChildEvent(window, event);
    }
    return false;
}

void TSkinMdiFrame::ChildEvent(QMdiSubWindow* window, QEvent* event) {
    if (!on_) return;
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowTitleChange:
            RebuildWindowMenu();
            break;
        case QEvent::WindowStateChange:
            if (window != Area()->activeSubWindow()) break;
            if (window->isMaximized()) {
                ShowMDIButtons();
            } else {
                HideMDIButtons();
            }
            break;
        default:
            break;
    }
}

void TSkinMdiFrame::ChildActivated(QMdiSubWindow* window) {
    if (!on_) return;
    UpdateMenuBar(false);
    if (window && window->isMaximized()) {
        ShowMDIButtons();
    } else {
        HideMDIButtons();
    }
}

// An area out of sight has no active child as far as the frame's menu is concerned.
void TSkinMdiFrame::UpdateMenuBar(bool force) {
    QMdiArea* area = Area();
    QMdiSubWindow* active = area && area->isVisible() ? area->activeSubWindow() : nullptr;
    menuBar_.UpdateMenuBar(MdiChildMenu(active), force);
    RebuildWindowMenu();
}

// Rebuilt once the event that asks for it is over: it may come from a window menu item being
// chosen, or from a form walking its children to show them.
void TSkinMdiFrame::RebuildWindowMenu() {
    if (rebuildPending_) return;
    rebuildPending_ = true;
    QTimer::singleShot(0, this, [this] {
        rebuildPending_ = false;
        if (on_ && Area()) menuBar_.RebuildWindowMenu(Area());
    });
}

void TSkinMdiFrame::ShowMDIButtons() {
    QMenuBar* bar = window_.MenuBar();
    QMdiSubWindow* active = Area() ? Area()->activeSubWindow() : nullptr;
    if (!bar || !active) return;
    if (!buttons_) {
        buttons_ = new MdiControlButtons(bar);
        buttons_->Clicked = [this](TSkinMenuBarControlButton::Kind kind) { MDIControlClick(kind); };
    }
    QWidget* corner = bar->cornerWidget(Qt::TopRightCorner);
    if (corner != buttons_) {
        previousCorner_ = corner;
        if (corner) corner->hide();
        bar->setCornerWidget(buttons_, Qt::TopRightCorner);
    }
    const auto& colours = window_.Skin().Metrics().MenuColors;
    buttons_->ShowFor(*active, ToQColor(colours[menucolors::BarStart]),
                      ToQColor(colours[menucolors::TopFont]));
    buttons_->show();
}

void TSkinMdiFrame::HideMDIButtons() {
    if (!buttons_) return;
    buttons_->hide();
    QMenuBar* bar = window_.MenuBar();
    if (!bar || bar->cornerWidget(Qt::TopRightCorner) != buttons_) return;
    bar->setCornerWidget(previousCorner_, Qt::TopRightCorner);
    if (previousCorner_) previousCorner_->show();
    previousCorner_ = nullptr;
}

void TSkinMdiFrame::MDIControlClick(TSkinMenuBarControlButton::Kind kind) {
    QMdiSubWindow* active = Area() ? Area()->activeSubWindow() : nullptr;
    if (!active) return;
    switch (kind) {
        case TSkinMenuBarControlButton::Minimize:
            active->showMinimized();
            break;
        case TSkinMenuBarControlButton::Restore:
            active->showNormal();
            break;
        case TSkinMenuBarControlButton::Close:
            active->close();
            break;
    }
}

}  // namespace skin
