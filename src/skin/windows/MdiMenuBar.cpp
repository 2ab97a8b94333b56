#include "skin/windows/MdiMenuBar.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "skin/windows/MdiMenus.h"
#include "skin/windows/WindowEngine.h"

namespace skin {
namespace {

QString CaptionOf(const QMdiSubWindow* child) {
    QString title = child->windowTitle();
    return title.remove(QStringLiteral("[*]"));
}

void ActivateChild(QMdiSubWindow* child) {
    if (!child) return;
    if (child->isMinimized()) child->showNormal();
    if (QMdiArea* area = child->mdiArea()) area->setActiveSubWindow(child);
}

}  // namespace

MdiMenuBar::MdiMenuBar(QWidget* frame, WindowEngine& engine) : frame_(frame), engine_(engine) {}

MdiMenuBar::~MdiMenuBar() { Stop(); }

QList<QAction*> MdiMenuBar::WindowItems() const {
    QList<QAction*> items;
    for (const QPointer<QAction>& item : windowItems_) {
        if (item) items << item;
    }
    return items;
}

void MdiMenuBar::Start(QMenuBar* bar) {
    if (bar_ || !bar) return;
    bar_ = bar;
    main_.clear();
    for (QAction* action : bar->actions()) main_ << action;
    shownChild_ = nullptr;
    showingChild_ = false;
}

void MdiMenuBar::Stop() {
    ClearWindowItems();
    for (const QPointer<QMenu>& menu : ownerDrawn_) {
        if (menu) engine_.RestoreMenu(menu);
    }
    ownerDrawn_.clear();
    if (bar_ && showingChild_) {
        QList<QAction*> main;
        for (const QPointer<QAction>& action : main_) {
            if (action) main << action;
        }
        Show(main);
    }
    bar_ = nullptr;
    main_.clear();
    shownChild_ = nullptr;
    showingChild_ = false;
}

void MdiMenuBar::UpdateMenuBar(QMenu* childMenu, bool force) {
    if (!bar_) return;
    const bool child = childMenu != nullptr;
    if (force || child != showingChild_ || childMenu != shownChild_) {
        QList<QAction*> items;
        if (child) {
            items = childMenu->actions();
            OwnerDraw(items);
        } else {
            for (const QPointer<QAction>& action : main_) {
                if (action) items << action;
            }
        }
        ClearWindowItems();
        Show(items);
        shownChild_ = childMenu;
        showingChild_ = child;
    }
}

void MdiMenuBar::Show(const QList<QAction*>& items) {
    for (QAction* action : bar_->actions()) bar_->removeAction(action);
    bar_->addActions(items);
}

// A child's menu made elsewhere than on the form was not among the menus the skin drew when
// it came on.
void MdiMenuBar::OwnerDraw(const QList<QAction*>& items) {
    for (QAction* action : items) {
        QMenu* menu = action->menu();
        if (!menu || engine_.IsOwnerDrawn(menu)) continue;
        engine_.OwnerDrawMenu(menu);
        ownerDrawn_ << menu;
    }
}

bool MdiMenuBar::BarShows(const QMenu* menu) const {
    return menu && bar_ && bar_->actions().contains(menu->menuAction());
}

// The items leave the menu at once but are freed later: one of them may be the item being
// chosen.
void MdiMenuBar::ClearWindowItems() {
    QMenu* menu = WindowMenu(frame_);
    for (const QPointer<QAction>& item : windowItems_) {
        if (!item) continue;
        if (menu) menu->removeAction(item);
        item->deleteLater();
    }
    windowItems_.clear();
}

void MdiMenuBar::RebuildWindowMenu(QMdiArea* area) {
    ClearWindowItems();
    QMenu* menu = WindowMenu(frame_);
    if (!area || !BarShows(menu)) return;
    windowItems_ << menu->addSeparator();
    const QMdiSubWindow* active = area->activeSubWindow();
    for (QMdiSubWindow* child : area->subWindowList(QMdiArea::StackingOrder)) {
        if (child->isHidden()) continue;
        auto* item = new QAction(CaptionOf(child), menu);
        item->setCheckable(true);
        item->setChecked(child == active);
        QObject::connect(item, &QAction::triggered, item,
                         [window = QPointer<QMdiSubWindow>(child)] { ActivateChild(window); });
        menu->addAction(item);
        windowItems_ << item;
    }
}

}  // namespace skin
