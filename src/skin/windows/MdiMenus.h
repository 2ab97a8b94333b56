#pragma once

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QWidget;

// What a program tells the skin about its multiple-document windows. A Qt child window has no
// menu bar of its own: a program gives a child a menu (a QMenu whose actions are the top-level
// items, never shown itself), which the skinned frame shows on its menu bar while that child is
// active. The frame's window menu is where the skin lists the children.
namespace skin {

// `child` is a sub-window or the widget inside it; none takes the menu away.
void SetMdiChildMenu(QWidget* child, QMenu* menu);
// The menu given to the sub-window or to its widget; none when there is none.
QMenu* MdiChildMenu(const QMdiSubWindow* child);

// `frame` is the top-level form holding the MDI area; `menu` is one of its main menu's menus.
void SetWindowMenu(QWidget* frame, QMenu* menu);
QMenu* WindowMenu(const QWidget* frame);

// Arranges the children that are not minimised: while the frame is skinned, by the skin's own
// arithmetic (cascaded in steps of 22 pixels, 0.8 of the area wide and 0.6 high; tiled in rows
// when `horizontal`, else in columns); otherwise as Qt's MDI area does.
void CascadeChildren(QMdiArea* area);
void TileChildren(QMdiArea* area, bool horizontal);

}  // namespace skin
