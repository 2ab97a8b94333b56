#include "skin/windows/MdiMenus.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

#include "skin/values/SkinMarks.h"
#include "skin/windows/MdiArrange.h"

namespace skin {
namespace {

constexpr char kChildMenuProperty[] = "skinMdiChildMenu";
constexpr char kWindowMenuProperty[] = "skinWindowMenu";

void SetMenuProperty(QWidget* widget, const char* name, QMenu* menu) {
    SetMark(widget, name, menu ? QVariant::fromValue(QPointer<QMenu>(menu)) : QVariant());
}

QMenu* MenuProperty(const QWidget* widget, const char* name) {
    return Mark(widget, name).value<QPointer<QMenu>>().data();
}

}  // namespace

void SetMdiChildMenu(QWidget* child, QMenu* menu) {
    SetMenuProperty(child, kChildMenuProperty, menu);
}

QMenu* MdiChildMenu(const QMdiSubWindow* child) {
    if (!child) return nullptr;
    if (QMenu* menu = MenuProperty(child, kChildMenuProperty)) return menu;
    return MenuProperty(child->widget(), kChildMenuProperty);
}

void SetWindowMenu(QWidget* frame, QMenu* menu) {
    SetMenuProperty(frame, kWindowMenuProperty, menu);
}

QMenu* WindowMenu(const QWidget* frame) { return MenuProperty(frame, kWindowMenuProperty); }

void CascadeChildren(QMdiArea* area) {
    if (!area) return;
    if (!IsArrangedBySkin(area)) {
        area->cascadeSubWindows();
        return;
    }
    Arrange(area, CascadeRects(area->viewport()->size(), int(ArrangedChildren(area).size())));
}

void TileChildren(QMdiArea* area, bool horizontal) {
    if (!area) return;
    if (!IsArrangedBySkin(area)) {
        area->tileSubWindows();
        return;
    }
    const TileRoom room = RoomOf(area);
    Arrange(area, TileRects(room, horizontal));
}

}  // namespace skin
