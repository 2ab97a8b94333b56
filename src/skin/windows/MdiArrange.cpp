#include "skin/windows/MdiArrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "skin/values/SkinMarks.h"

namespace skin {
namespace {

constexpr char kArrangedProperty[] = "skinArrangesChildren";
constexpr int kCascadeStep = 22;
constexpr int kMinimizedRow = 25;

}  // namespace

std::vector<QRect> CascadeRects(const QSize& client, int count) {
    const int w = int(client.width() * 0.8);
    const int h = int(client.height() * 0.6);
    std::vector<QRect> rects;
    for (int k = 0; k < count; ++k) {
        rects.emplace_back(kCascadeStep * k, kCascadeStep * k, w, h);
    }
    return rects;
}

std::vector<QRect> TileRects(const TileRoom& room, bool horizontal) {
    std::vector<QRect> rects;
    if (room.Count <= 0) return rects;
    const int available = room.Client.height() - (room.SomeMinimized ? kMinimizedRow : 0);
    const int single = room.Children == 1 ? 2 : 0;
    if (horizontal) {
        const int h = available / room.Count - single;
        for (int k = 0; k < room.Count; ++k) {
            rects.emplace_back(0, k * (h - 2), room.Client.width() - 4, h - 2);
        }
    } else {
        const int w = room.Client.width() / room.Count - single;
        for (int k = 0; k < room.Count; ++k) {
            rects.emplace_back(k * (w - 2), 0, w - 2, available - 4);
        }
    }
    return rects;
}

bool IsArrangedBySkin(const QMdiArea* area) { return Mark(area, kArrangedProperty).toBool(); }

void SetArrangedBySkin(QMdiArea* area, bool on) {
    SetMark(area, kArrangedProperty, on ? QVariant(true) : QVariant());
}

std::vector<QMdiSubWindow*> ArrangedChildren(const QMdiArea* area) {
    std::vector<QMdiSubWindow*> children;
    for (QMdiSubWindow* child : area->subWindowList(QMdiArea::StackingOrder)) {
        if (!child->isHidden() && !child->isMinimized()) children.push_back(child);
    }
    return children;
}

TileRoom RoomOf(const QMdiArea* area) {
    TileRoom room;
    room.Client = area->viewport()->size();
    const QList<QMdiSubWindow*> all = area->subWindowList();
    room.Children = int(all.size());
    room.Count = int(ArrangedChildren(area).size());
    room.SomeMinimized = std::any_of(all.begin(), all.end(), [](const QMdiSubWindow* child) {
        return !child->isHidden() && child->isMinimized();
    });
    return room;
}

void Arrange(QMdiArea* area, const std::vector<QRect>& rects) {
    const std::vector<QMdiSubWindow*> children = ArrangedChildren(area);
    for (size_t i = 0; i < children.size() && i < rects.size(); ++i) {
        if (children[i]->isMaximized()) children[i]->showNormal();
        children[i]->setGeometry(rects[i]);
    }
}

}  // namespace skin
