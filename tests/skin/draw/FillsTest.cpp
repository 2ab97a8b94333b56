#include <gtest/gtest.h>

#include <QPainter>
#include <functional>

#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/PixelHelpers.h"

namespace skin {
namespace {

using test::At;
using test::Canvas;
using test::kCanvas;
using test::Picture;

constexpr ColorRef Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

template <typename Paint>
QImage Painted(int width, int height, Paint paint) {
    QImage canvas = Canvas(width, height);
    QPainter painter(&canvas);
    paint(painter);
    painter.end();
    return canvas;
}

TEST(FillGradient, DrawsRowsByTheTruncatedFormula) {
    // Red rises 0 -> 100 and green falls 100 -> 0 over 7 rows: steps of 100/7, truncated toward
    // zero, so the falling channel ends above the floor (86, not 85).
    const QImage canvas = Painted(4, 9, [](QPainter& p) {
        FillGradient(p, RectLTRB(1, 1, 3, 8), Rgb(0, 100, 7), Rgb(100, 0, 7));
    });
    const ColorRef expected[] = {Rgb(0, 100, 7), Rgb(0, 100, 7), Rgb(14, 86, 7), Rgb(28, 72, 7),
                                 Rgb(42, 58, 7), Rgb(57, 43, 7), Rgb(100, 0, 7)};
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(At(canvas, 1, 1 + row), expected[row]) << row;
        EXPECT_EQ(At(canvas, 2, 1 + row), expected[row]) << row;
        EXPECT_EQ(At(canvas, 3, 1 + row), kCanvas) << "right edge is exclusive";
    }
    EXPECT_EQ(At(canvas, 1, 8), kCanvas);
}

TEST(FillGradient, ShortRectanglesGetOnlyTheirEndColours) {
    const ColorRef top = Rgb(10, 20, 30), bottom = Rgb(200, 100, 0);
    const struct {
        int height;
        std::vector<ColorRef> rows;
    } cases[] = {{0, {kCanvas}}, {1, {bottom, kCanvas}}, {2, {top, bottom, kCanvas}}};
    for (const auto& c : cases) {
        const QImage canvas = Painted(
            2, 3, [&](QPainter& p) { FillGradient(p, QRect(0, 0, 2, c.height), top, bottom); });
        for (size_t row = 0; row < c.rows.size(); ++row)
            EXPECT_EQ(At(canvas, 0, int(row)), c.rows[row]) << c.height << " high, row " << row;
    }
}

TEST(FillGradientHorz, UsesTheColumnOffsetAsFactor) {
    const QImage canvas = Painted(7, 2, [](QPainter& p) {
        FillGradientHorz(p, QRect(0, 0, 7, 2), Rgb(0, 0, 0), Rgb(100, 0, 0));
    });
    const int reds[] = {0, 14, 28, 42, 57, 71, 100};
    for (int x = 0; x < 7; ++x) EXPECT_EQ(At(canvas, x, 1), Rgb(reds[x], 0, 0)) << x;
}

TEST(Frames, DrawExactlyTheirLines) {
    const ColorRef ink = Rgb(1, 1, 1);
    const struct {
        const char* name;
        std::function<void(QPainter&)> paint;
        std::vector<std::string> picture;
    } cases[] = {
        {"FrameRectColor",
         [&](QPainter& p) { FrameRectColor(p, RectLTRB(1, 1, 6, 5), ink); },
         {"......", ".#####", ".#...#", ".#...#", ".#####", "......"}},
        {"FillRectColor",
         [&](QPainter& p) { FillRectColor(p, RectLTRB(2, 1, 4, 3), ink); },
         {"......", "..##..", "..##..", "......", "......", "......"}},
        {"separator, left to right",
         [&](QPainter& p) { DrawMenuSeparator(p, RectLTRB(-2, 1, 8, 6), ink, true, 0); },
         {"......", "......", "......", "..####", "......", "......"}},
        {"separator, right to left",
         [&](QPainter& p) { DrawMenuSeparator(p, RectLTRB(-1, 0, 9, 6), ink, false, 1); },
         {"......", "......", ".###..", "......", "......", "......"}},
        {"window border",
         [&](QPainter& p) { FrameWindowBorder(p, QSize(5, 4), ink, kCanvas, false); },
         {"#####.", "#...#.", "#...#.", "#####.", "......", "......"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Picture(Painted(6, 6, c.paint), ink), c.picture) << c.name;
}

TEST(Frames, FlatFrameAndInnerWindowBorderUseTheirSecondColour) {
    const ColorRef band = Rgb(1, 1, 1), border = Rgb(2, 2, 2);
    const QImage flat =
        Painted(6, 5, [&](QPainter& p) { DrawFlatFrame(p, QSize(6, 5), band, border); });
    EXPECT_EQ(Picture(flat, band),
              (std::vector<std::string>{".#####", ".#####", ".#..##", ".#####", ".#####"}));
    EXPECT_EQ(Picture(flat, border),
              (std::vector<std::string>{"#.....", "#.....", "#.....", "#.....", "#....."}));
    const QImage window =
        Painted(5, 5, [&](QPainter& p) { FrameWindowBorder(p, QSize(5, 5), band, border, true); });
    EXPECT_EQ(Picture(window, border),
              (std::vector<std::string>{".....", ".###.", ".#.#.", ".###.", "....."}));
}

}  // namespace
}  // namespace skin
