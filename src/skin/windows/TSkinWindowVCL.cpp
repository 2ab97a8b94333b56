#include "skin/windows/TSkinWindowVCL.h"

#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>

#include "skin/draw/WorkArea.h"
#include "skin/values/SkinMarks.h"
#include "skin/values/SkinValues.h"
#include "skin/windows/TSkinMdiFrame.h"
#include "skin/windows/WindowEngine.h"

namespace skin {

TSkinWindowVCL::TSkinWindowVCL(QWidget* form, bool skinnedOnActivation, WindowEngine& engine)
    : TSkinWindow(form, skinnedOnActivation, engine), ownFlags_(form->windowFlags()) {}

TSkinWindowVCL::~TSkinWindowVCL() { Shutdown(); }

QMenuBar* TSkinWindowVCL::MenuBar() const {
    QWidget* form = Form();
    if (!form) return nullptr;
    if (auto* main = qobject_cast<QMainWindow*>(form)) {
        return qobject_cast<QMenuBar*>(main->menuWidget());
    }
    if (form->layout()) {
        if (auto* bar = qobject_cast<QMenuBar*>(form->layout()->menuBar())) return bar;
    }
    return form->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
}

void TSkinWindowVCL::Attach() {
    TSkinWindow::Attach();
    // A form without a frame of its own (a popup) keeps having none.
    const bool framed = Form() && Form()->isWindow() && !(ownFlags_ & Qt::FramelessWindowHint);
    SetHasTitle(framed);
    SetHasBorders(framed);
    if (auto* area = Form() ? Form()->findChild<QMdiArea*>() : nullptr) {
        mdi_ = std::make_unique<TSkinMdiFrame>(*this, area);
    }
}

void TSkinWindowVCL::SaveOriginalFrame() {
    if (!Look().IsOn() && Form()) ownFlags_ = Form()->windowFlags();
}

Qt::WindowType TSkinWindowVCL::OwnType() const {
    return Qt::WindowType(int(ownFlags_ & Qt::WindowType_Mask));
}

bool TSkinWindowVCL::NeedsRegion() const { return HasTitle(); }

int TSkinWindowVCL::MenuBarHeight() const {
    const QMenuBar* bar = MenuBar();
    return bar && bar->isVisible() ? bar->height() : 0;
}

bool TSkinWindowVCL::HasHelpButton() const { return ownFlags_ & Qt::WindowContextHelpButtonHint; }

bool TSkinWindowVCL::IsDialog() const {
    return OwnType() == Qt::Dialog || qobject_cast<const QDialog*>(Form());
}

bool TSkinWindowVCL::HasSystemIcon() const {
    return OwnType() == Qt::Window && (ownFlags_ & Qt::WindowSystemMenuHint);
}

bool TSkinWindowVCL::HasCloseButton() const { return ownFlags_ & Qt::WindowCloseButtonHint; }

bool TSkinWindowVCL::HasMaxButton() const {
    return (ownFlags_ & Qt::WindowMaximizeButtonHint) && OwnType() != Qt::Tool && IsResizable();
}

bool TSkinWindowVCL::HasMinButton() const {
    return (ownFlags_ & Qt::WindowMinimizeButtonHint) && OwnType() != Qt::Tool;
}

void TSkinWindowVCL::ApplySkinState() {
    if (!Destroying()) Controls().ApplySkinState();
    if (LookOn()) {
        PutFrameOn();
        SkinMenuBar(true);
        SetMinConstraints();
        SkinMenus(true);
        if (mdi_) mdi_->Apply(true);
        return;
    }
    if (WindowGoingAway()) return;
    if (mdi_) mdi_->Apply(false);
    SkinMenus(false);
    SkinMenuBar(false);
    TakeFrameOff();
}

// A form without limits of its own gets room for the frame, the menu bar and the caption
// buttons; a form caught when activated keeps its width.
void TSkinWindowVCL::SetMinConstraints() {
    QWidget* form = Form();
    if (!HasTitle()) return;
    QSize minimum = form->minimumSize();
    if (minimum.height() == 0) minimum.setHeight(MenuBarHeight() + EffectiveTitleHeight() + 6);
    if (minimum.width() == 0 && !SkinnedOnActivation()) {
        minimum.setWidth(Skin().Metrics().MinFormWidth);
    }
    // A limit set here stops the layout from setting its own, so it takes the layout's in.
    if (QLayout* layout = form->layout()) minimum = minimum.expandedTo(layout->totalMinimumSize());
    if (minimum != form->minimumSize()) Look().SetMinimumSize(minimum);
}

void TSkinWindowVCL::SkinMenus(bool on) {
    WindowEngine& engine = Engine();
    if (!on) {
        for (const QPointer<QMenu>& menu : menus_) {
            if (menu) engine.RestoreMenu(menu);
        }
        menus_.clear();
        return;
    }
    QList<QMenu*> found = Form()->findChildren<QMenu*>();
    if (QMenuBar* bar = MenuBar()) {
        for (QAction* action : bar->actions()) {
            if (action->menu() && !found.contains(action->menu())) found << action->menu();
        }
    }
    for (QMenu* menu : found) {
        if (TagOf(menu) == engine.Skin().DisabledTag() || engine.IsOwnerDrawn(menu)) continue;
        engine.OwnerDrawMenu(menu);
        menus_ << menu;
    }
}

void TSkinWindowVCL::SkinMenuBar(bool on) {
    if (!on) {
        menuBarLook_.Restore();
        return;
    }
    QMenuBar* bar = MenuBar();
    if (!bar) return;
    if (menuBarLook_.Widget() != bar) {
        menuBarLook_.Restore();
        menuBarLook_ = WidgetLook(bar);
    }
    menuBarLook_.SetColor(QPalette::Window,
                          ToQColor(Skin().Metrics().MenuColors[menucolors::BarStart]));
    menuBarLook_.SetStyle(Engine().MenuBarStyle());
}

void TSkinWindowVCL::AfterDefault(QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            if (!allFormsSkinned_ && Form() == Engine().Form() && Engine().SkinAllForms()) {
                allFormsSkinned_ = true;
                Engine().SkinScreenForms();
            }
            break;
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            FitMaximized(event->type() == QEvent::Resize);
            break;
        default:
            break;
    }
}

// A maximised form that the window system left smaller than the work area of its screen is
// made to cover it; restored, it goes back to where it stood. Only a resize tells: a window
// manager sizes the window after the state has changed, and a size asked for meanwhile would
// undo its maximising.
void TSkinWindowVCL::FitMaximized(bool resized) {
    QWidget* form = Form();
    if (form->isMaximized()) {
        if (!resized) return;
        // GetWorkArea leaves the bottom row out; a maximised form covers that row too.
        const QRect area = GetWorkArea(form).adjusted(0, 0, 0, 1);
        if (area.isEmpty() || form->geometry() == area) return;
        if (form->height() < area.height() || form->width() < area.width()) {
            if (fitted_.isNull()) normalPlace_ = form->normalGeometry();
            fitted_ = area;
            form->setGeometry(area);
        }
    } else if (!fitted_.isNull()) {
        const QRect fitted = fitted_;
        fitted_ = QRect();
        if (form->geometry() == fitted && normalPlace_.isValid() && !form->isMinimized()) {
            form->setGeometry(normalPlace_);
        }
    }
}

}  // namespace skin
