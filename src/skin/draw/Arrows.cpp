#include "skin/draw/Arrows.h"

#include "skin/draw/Fills.h"

namespace skin {
namespace {

constexpr ColorRef kEnabledColour = 0x00000000;
constexpr ColorRef kDisabledColour = 0x00808080;
constexpr ColorRef kShadowColour = 0x00FFFFFF;
constexpr int kDepth = 4;

enum class Direction { Down, Up, Left, Right };

// The pixels the window system sets when it fills the triangle with a pen of the same colour
// (outline and interior), drawn as kDepth lines from the base (or apex) on.
void Triangle(QPainter& painter, Direction direction, int x, int y, ColorRef colour) {
    for (int i = 0; i < kDepth; ++i) {
        switch (direction) {
            case Direction::Down:
                FillRectColor(painter, QRect(x + i, y + i, 7 - 2 * i, 1), colour);
                break;
            case Direction::Up:
                FillRectColor(painter, QRect(x - i, y + i, 1 + 2 * i, 1), colour);
                break;
            case Direction::Left:
                FillRectColor(painter, QRect(x + i, y - i, 1, 1 + 2 * i), colour);
                break;
            case Direction::Right:
                FillRectColor(painter, QRect(x + i, y + i, 1, 7 - 2 * i), colour);
                break;
        }
    }
}

void Arrow(QPainter& painter, Direction direction, int x, int y, bool enabled) {
    if (enabled) {
        Triangle(painter, direction, x, y, kEnabledColour);
        return;
    }
    Triangle(painter, direction, x + 1, y + 1, kShadowColour);
    Triangle(painter, direction, x, y, kDisabledColour);
}

}  // namespace

void DrawArrowDown(QPainter& painter, int x, int y, bool enabled) {
    Arrow(painter, Direction::Down, x, y, enabled);
}

void DrawArrowUp(QPainter& painter, int x, int y, bool enabled) {
    Arrow(painter, Direction::Up, x, y, enabled);
}

void DrawArrowLeft(QPainter& painter, int x, int y, bool enabled) {
    Arrow(painter, Direction::Left, x, y, enabled);
}

void DrawArrowRight(QPainter& painter, int x, int y, bool enabled) {
    Arrow(painter, Direction::Right, x, y, enabled);
}

}  // namespace skin
