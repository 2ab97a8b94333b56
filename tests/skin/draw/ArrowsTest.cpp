#include <gtest/gtest.h>

#include <QPainter>
#include <functional>

#include "skin/draw/Arrows.h"
#include "skin/draw/PixelHelpers.h"

namespace skin {
namespace {

using test::Canvas;
using test::Picture;

constexpr ColorRef kBlack = 0x00000000;
constexpr ColorRef kGrey = 0x00808080;
constexpr ColorRef kWhite = 0x00FFFFFF;

using ArrowFn = std::function<void(QPainter&, int, int, bool)>;

QImage Arrow(const ArrowFn& draw, QPoint at, bool enabled) {
    QImage canvas = Canvas(10, 10);
    QPainter painter(&canvas);
    draw(painter, at.x(), at.y(), enabled);
    painter.end();
    return canvas;
}

TEST(Arrows, FillTheirTrianglesPixelForPixel) {
    const struct {
        const char* name;
        ArrowFn draw;
        QPoint at;
        std::vector<std::string> picture;
    } cases[] = {
        {"down",
         DrawArrowDown,
         {1, 1},
         {"..........", ".#######..", "..#####...", "...###....", "....#.....", "..........",
          "..........", "..........", "..........", ".........."}},
        {"up",
         DrawArrowUp,
         {4, 1},
         {"..........", "....#.....", "...###....", "..#####...", ".#######..", "..........",
          "..........", "..........", "..........", ".........."}},
        {"left",
         DrawArrowLeft,
         {1, 4},
         {"..........", "....#.....", "...##.....", "..###.....", ".####.....", "..###.....",
          "...##.....", "....#.....", "..........", ".........."}},
        {"right",
         DrawArrowRight,
         {1, 1},
         {"..........", ".#........", ".##.......", ".###......", ".####.....", ".###......",
          ".##.......", ".#........", "..........", ".........."}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Picture(Arrow(c.draw, c.at, true), kBlack), c.picture) << c.name;
        // Disabled: the same pixels in grey, over a white copy moved one pixel right and down.
        const QImage disabled = Arrow(c.draw, c.at, false);
        EXPECT_EQ(Picture(disabled, kGrey), c.picture) << c.name;
        const QImage shadow = Arrow(c.draw, c.at + QPoint(1, 1), true);
        std::vector<std::string> white = Picture(shadow, kBlack);
        for (size_t y = 0; y < white.size(); ++y)
            for (size_t x = 0; x < white[y].size(); ++x)
                if (c.picture[y][x] == '#') white[y][x] = '.';
        EXPECT_EQ(Picture(disabled, kWhite), white) << c.name;
    }
}

}  // namespace
}  // namespace skin
