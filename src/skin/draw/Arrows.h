#pragma once

#include <QPainter>

namespace skin {

// Small filled triangles, 4 pixels deep and 7 across. Enabled: black. Disabled: grey over a white
// shadow one pixel right and down.
//   down:  rows y .. y+3 narrowing from x..x+6 to x+3
//   up:    apex (x, y), rows y .. y+3 widening to x-3..x+3
//   left:  apex (x, y), columns x .. x+3 widening to y-3..y+3
//   right: columns x .. x+3 narrowing from y..y+6 to y+3
void DrawArrowDown(QPainter& painter, int x, int y, bool enabled);
void DrawArrowUp(QPainter& painter, int x, int y, bool enabled);
void DrawArrowLeft(QPainter& painter, int x, int y, bool enabled);
void DrawArrowRight(QPainter& painter, int x, int y, bool enabled);

}  // namespace skin
