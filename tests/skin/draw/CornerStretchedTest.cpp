#include <gtest/gtest.h>

#include <QPainter>

#include "skin/draw/CornerStretched.h"
#include "skin/draw/PixelHelpers.h"

namespace skin {
namespace {

using test::At;
using test::Canvas;
using test::CodedBitmap;
using test::kCanvas;
using test::kMagenta;
using test::SourceOf;

QImage Draw(const Bitmap& face, int width, int height, bool transparent) {
    QImage canvas = Canvas(width, height);
    QPainter painter(&canvas);
    DrawCornerStretched(face, painter, QRect(0, 0, width, height), kMagenta, transparent);
    painter.end();
    return canvas;
}

// A push button frame of 68 x 25 drawn into 100 x 40: hw 34, hh 12.
TEST(DrawCornerStretched, TakesEachPieceFromItsOwnSourceRows) {
    const QImage canvas = Draw(CodedBitmap(68, 25), 100, 40, false);
    const struct {
        const char* piece;
        QPoint at;
        QPoint from;
    } cases[] = {
        {"top-left corner", {0, 0}, {0, 0}},
        {"top-left corner end", {33, 11}, {33, 11}},
        {"left edge, first row", {5, 12}, {5, 12}},
        {"left edge, last row", {20, 28}, {20, 12}},
        {"bottom-left corner", {0, 29}, {0, 14}},
        {"bottom-left corner end", {32, 39}, {32, 24}},
        {"bottom edge over the corner's last column", {33, 35}, {34, 20}},
        {"top-right corner", {67, 0}, {35, 0}},
        {"top-right corner end", {99, 11}, {67, 11}},
        {"right edge, first row", {67, 12}, {35, 13}},
        {"right edge, last row", {99, 28}, {67, 13}},
        {"bottom-right corner", {67, 29}, {35, 14}},
        {"bottom-right corner end", {99, 39}, {67, 24}},
        {"top edge", {50, 3}, {34, 3}},
        {"centre", {50, 20}, {34, 12}},
        {"centre, last row", {50, 27}, {34, 12}},
        {"bottom edge, first row", {50, 28}, {34, 13}},
        {"bottom edge, last row", {66, 39}, {34, 24}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SourceOf(At(canvas, c.at.x(), c.at.y())), c.from) << c.piece;
}

TEST(DrawCornerStretched, CutsCornersToTheirQuarterOfASmallRectangle) {
    // 20 x 10: corners 10 x 5 on the left, 9 x 4 on the right.
    const QImage canvas = Draw(CodedBitmap(68, 25), 20, 10, false);
    EXPECT_EQ(SourceOf(At(canvas, 9, 4)), QPoint(9, 4));
    EXPECT_EQ(SourceOf(At(canvas, 0, 6)), QPoint(0, 21)) << "bottom-left keeps its bottom rows";
    EXPECT_EQ(SourceOf(At(canvas, 11, 0)), QPoint(59, 0)) << "top-right keeps its right columns";
    EXPECT_EQ(SourceOf(At(canvas, 19, 9)), QPoint(67, 24));
}

TEST(DrawCornerStretched, ARectangleThreePixelsHighGetsOnlyTheTopLeftCorner) {
    const QImage canvas = Draw(CodedBitmap(68, 25), 80, 3, false);
    for (int x = 0; x < 80; ++x) {
        EXPECT_EQ(SourceOf(At(canvas, x, 0)), x < 34 ? QPoint(x, 0) : QPoint(-1, -1)) << x;
        EXPECT_EQ(At(canvas, x, 1), kCanvas) << x;
    }
}

TEST(DrawCornerStretched, MasksCornersOnRequestAndEdgesAlways) {
    Bitmap face = CodedBitmap(68, 25);
    face.SetPixel(0, 0, kMagenta);   // top-left corner
    face.SetPixel(0, 12, kMagenta);  // left edge row
    for (bool transparent : {false, true}) {
        const QImage canvas = Draw(face, 100, 40, transparent);
        EXPECT_EQ(At(canvas, 0, 0), transparent ? kCanvas : kMagenta);
        EXPECT_EQ(At(canvas, 0, 20), kCanvas);
        EXPECT_EQ(SourceOf(At(canvas, 1, 20)), QPoint(1, 12));
    }
}

TEST(DrawCornerStretched, DrawsNothingIntoAnEmptyRectangle) {
    QImage canvas = Canvas(10, 5);
    QPainter painter(&canvas);
    DrawCornerStretched(CodedBitmap(68, 25), painter, QRect(0, 0, 10, 0), kMagenta, false);
    painter.end();
    EXPECT_EQ(canvas, Canvas(10, 5));
}

}  // namespace
}  // namespace skin
