#pragma once

#include <QList>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QWidget;

namespace skin {

class WindowEngine;

// An MDI frame's menu bar while skinned: it shows the frame's main menu, or the active child's
// menu in its place, and lists the children at the end of the window menu whenever that menu is
// on the bar. Stopping puts the main menu back and takes the list away.
class MdiMenuBar {
public:
    MdiMenuBar(QWidget* frame, WindowEngine& engine);
    ~MdiMenuBar();
    MdiMenuBar(const MdiMenuBar&) = delete;
    MdiMenuBar& operator=(const MdiMenuBar&) = delete;

    // The bar's items as they are now become the main menu.
    void Start(QMenuBar* bar);
    void Stop();
    bool Started() const { return bar_ != nullptr; }

    // Shows `childMenu`, or the main menu when it is none. The window list goes with the menu
    // it was in; RebuildWindowMenu makes it again.
    void UpdateMenuBar(QMenu* childMenu, bool force);
    // A separator and one checked-when-active item per visible child, in stacking order from
    // the bottom; choosing one restores the child if minimised and brings it to the front.
    // The items belong to the window menu.
    void RebuildWindowMenu(QMdiArea* area);
    // The child's menu being shown; none while the main menu is.
    QMenu* ShownChildMenu() const { return showingChild_ ? shownChild_.data() : nullptr; }
    QList<QAction*> WindowItems() const;

private:
    void Show(const QList<QAction*>& items);
    bool BarShows(const QMenu* menu) const;
    void OwnerDraw(const QList<QAction*>& items);
    void ClearWindowItems();

    QPointer<QWidget> frame_;
    WindowEngine& engine_;
    QPointer<QMenuBar> bar_;
    QList<QPointer<QAction>> main_;
    QPointer<QMenu> shownChild_;
    bool showingChild_ = false;
    QList<QPointer<QAction>> windowItems_;
    QList<QPointer<QMenu>> ownerDrawn_;
};

}  // namespace skin
