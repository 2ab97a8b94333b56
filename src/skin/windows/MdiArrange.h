#pragma once

#include <QRect>
#include <QSize>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

// The skin's arithmetic for arranging MDI children, and its application to an MDI area. The
// rectangles are for the children that are not minimised, in stacking order from the bottom.
namespace skin {

// Children at (22k, 22k), each 0.8 of the area wide and 0.6 high.
std::vector<QRect> CascadeRects(const QSize& client, int count);

// What tiling needs to know of the area.
struct TileRoom {
    QSize Client;
    int Count = 0;               // children that are not minimised
    int Children = 0;            // all children
    bool SomeMinimized = false;  // 25 pixels are kept for their row
};
// In rows one above the other (horizontal) or in columns side by side.
std::vector<QRect> TileRects(const TileRoom& room, bool horizontal);

// Whether the area's frame is skinned: set by the skin while it is on.
bool IsArrangedBySkin(const QMdiArea* area);
void SetArrangedBySkin(QMdiArea* area, bool on);

// The visible children that are not minimised, in stacking order from the bottom.
std::vector<QMdiSubWindow*> ArrangedChildren(const QMdiArea* area);
TileRoom RoomOf(const QMdiArea* area);
// Gives the children of ArrangedChildren the rectangles, in order, as normal windows.
void Arrange(QMdiArea* area, const std::vector<QRect>& rects);

}  // namespace skin
