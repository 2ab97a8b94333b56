#include "skin/controls/TSkinTabControl.h"

#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include "skin/draw/Geometry.h"
#include "skin/values/SkinMarks.h"

namespace skin {
namespace {

// The tabs of `bar`, placed in the coordinates of a picture in which the bar stands at `at`.
void AddTabs(TabScene& scene, const QTabBar& bar, const QPoint& at) {
    scene.Side = SideOf(bar);
    scene.Font = bar.font();
    scene.IconSize = bar.iconSize();
    scene.TabArea = QRect(at, bar.size());
    for (int i = 0; i < bar.count(); ++i) {
        TabItem tab;
        tab.Rect = bar.tabRect(i).translated(at);
        tab.Text = bar.tabText(i);
        tab.Icon = bar.tabIcon(i);
        tab.Selected = i == bar.currentIndex();
        tab.Enabled = bar.isEnabled() && bar.isTabEnabled(i);
        scene.Tabs.push_back(std::move(tab));
    }
}

// A bare bar has no page; its line runs along the edge a page would meet, just outside it.
QRect BareLineBase(const QSize& size, TabSide side) {
    const int w = size.width();
    const int h = size.height();
    switch (side) {
        case TabSide::Top:
            return RectLTRB(0, h, w, h + 1);
        case TabSide::Bottom:
            return RectLTRB(0, -1, w, 0);
        case TabSide::Left:
            return RectLTRB(w, 0, w + 1, h);
        case TabSide::Right:
            return RectLTRB(-1, 0, 0, h);
    }
    return {};
}

TabScene TabWidgetScene(const QTabWidget& widget) {
    TabScene scene;
    scene.Size = widget.size();
    const QTabBar* bar = widget.tabBar();
    const auto* stack =
        widget.findChild<const QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
    scene.Page = (stack ? stack->geometry() : widget.rect()).adjusted(-2, -2, 2, 2);
    scene.LineBase = scene.Page;
    if (bar) {
        scene.Side = SideOf(*bar);
        if (bar->isVisibleTo(&widget)) AddTabs(scene, *bar, bar->pos());
    }
    return scene;
}

TabScene TabBarScene(const QTabBar& bar) {
    TabScene scene;
    scene.Size = bar.size();
    AddTabs(scene, bar, QPoint(0, 0));
    if (bar.drawBase()) scene.LineBase = BareLineBase(scene.Size, scene.Side);
    return scene;
}

}  // namespace

TabSide SideOf(const QTabBar& bar) {
    switch (bar.shape()) {
        case QTabBar::RoundedSouth:
        case QTabBar::TriangularSouth:
            return TabSide::Bottom;
        case QTabBar::RoundedWest:
        case QTabBar::TriangularWest:
            return TabSide::Left;
        case QTabBar::RoundedEast:
        case QTabBar::TriangularEast:
            return TabSide::Right;
        default:
            return TabSide::Top;
    }
}

TSkinTabControl::TSkinTabControl(QWidget* control, SkinnerHost& window)
    : TSkinControl(control, window), painter_(Skin()) {}

bool TSkinTabControl::BeforeMessage(QEvent* event) {
    if (event->type() != QEvent::Paint) return true;
    if (!PaintedByTabWidget()) Paint();
    return false;
}

bool TSkinTabControl::PaintedByTabWidget() const {
    const auto* bar = qobject_cast<const QTabBar*>(Control());
    if (!bar) return false;
    const auto* widget = qobject_cast<const QTabWidget*>(bar->parentWidget());
    return widget && widget->tabBar() == bar && IsSkinned(widget);
}

TabScene TSkinTabControl::Scene() const {
    if (const auto* widget = qobject_cast<const QTabWidget*>(Control())) {
        return TabWidgetScene(*widget);
    }
    if (const auto* bar = qobject_cast<const QTabBar*>(Control())) return TabBarScene(*bar);
    return {};
}

void TSkinTabControl::Paint() {
    QWidget* control = Control();
    if (!control) return;
    const QImage picture = painter_.Compose(Scene());
    QPainter painter(control);
    painter.drawImage(QPoint(0, 0), picture);
}

}  // namespace skin
