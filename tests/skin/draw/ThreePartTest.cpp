#include <gtest/gtest.h>

#include <QPainter>

#include "skin/draw/Geometry.h"
#include "skin/draw/PixelHelpers.h"
#include "skin/draw/ThreePart.h"

namespace skin {
namespace {

using test::At;
using test::Canvas;
using test::CodedBitmap;
using test::kCanvas;
using test::kMagenta;
using test::SourceOf;

TEST(DrawThreePart, KeepsTheCapsAndStretchesTheMiddleAtTheBitmapsHeight) {
    Bitmap bitmap = CodedBitmap(9, 2);  // pieces of 3 columns
    bitmap.SetPixel(0, 0, kMagenta);
    bitmap.SetPixel(8, 1, kMagenta);
    for (bool masked : {false, true}) {
        QImage canvas = Canvas(20, 4);
        QPainter painter(&canvas);
        DrawThreePart(bitmap, painter, RectLTRB(2, 1, 18, 4), kMagenta, masked);
        painter.end();
        EXPECT_EQ(SourceOf(At(canvas, 3, 1)), QPoint(1, 0));
        EXPECT_EQ(SourceOf(At(canvas, 15, 2)), QPoint(6, 1));
        EXPECT_EQ(SourceOf(At(canvas, 16, 2)), QPoint(7, 1));
        EXPECT_EQ(At(canvas, 2, 1), masked ? kCanvas : kMagenta);
        EXPECT_EQ(At(canvas, 17, 2), masked ? kCanvas : kMagenta);
        EXPECT_EQ(At(canvas, 10, 3), kCanvas) << "rows below the bitmap's height stay";
        // The middle columns are all stretched from the middle piece.
        for (int x = 5; x < 15; ++x) {
            const QPoint from = SourceOf(At(canvas, x, 1));
            EXPECT_TRUE(from.x() >= 3 && from.x() <= 5 && from.y() == 0) << x;
        }
    }
}

TEST(DrawThreePart, ARectangleNarrowerThanACapShowsTheLeftCapCutAndUnmasked) {
    Bitmap bitmap = CodedBitmap(12, 2);  // pieces of 4 columns
    bitmap.SetPixel(0, 0, kMagenta);
    QImage canvas = Canvas(10, 3);
    QPainter painter(&canvas);
    DrawThreePart(bitmap, painter, RectLTRB(1, 0, 4, 3), kMagenta, true);
    painter.end();
    EXPECT_EQ(At(canvas, 1, 0), kMagenta);
    EXPECT_EQ(SourceOf(At(canvas, 3, 1)), QPoint(2, 1));
    EXPECT_EQ(At(canvas, 4, 1), kCanvas);
    EXPECT_EQ(At(canvas, 1, 2), kCanvas);
}

// Vertical and horizontal three-part drawing, checked along their axis.
struct AxisCase {
    const char* name;
    bool vertical;
    int cap;         // as given; 0 means a third
    int length;      // of the rectangle along the axis
    int position;    // a pixel along the axis in the rectangle
    int sourceLine;  // the bitmap row or column it must come from; -1: a stretched middle line
};

TEST(DrawThreePartAxis, CopiesTheCapsAndStretchesTheLinesBetween) {
    const AxisCase cases[] = {
        {"top cap", true, 2, 12, 1, 1},
        {"bottom cap", true, 2, 12, 10, 4},
        {"bottom cap end", true, 2, 12, 11, 5},
        {"middle", true, 2, 12, 6, -1},
        {"thirds", true, 0, 12, 1, 1},
        {"thirds bottom", true, 0, 12, 10, 4},
        {"short: bottom cap wins", true, 2, 3, 1, 4},
        {"left cap", false, 2, 12, 0, 0},
        {"right cap", false, 2, 12, 11, 5},
        {"middle across", false, 2, 12, 5, -1},
    };
    for (const AxisCase& c : cases) {
        const Bitmap bitmap = CodedBitmap(6, 6);
        QImage canvas = Canvas(20, 20);
        QPainter painter(&canvas);
        const QRect rect = c.vertical ? QRect(1, 2, 3, c.length) : QRect(2, 1, c.length, 3);
        if (c.vertical)
            DrawThreePartVertical(bitmap, painter, rect, c.cap);
        else
            DrawThreePartHorizontal(bitmap, painter, rect, c.cap);
        painter.end();
        const QPoint at = c.vertical ? QPoint(1, 2 + c.position) : QPoint(2 + c.position, 1);
        const QPoint from = SourceOf(At(canvas, at.x(), at.y()));
        const int line = c.vertical ? from.y() : from.x();
        if (c.sourceLine >= 0)
            EXPECT_EQ(line, c.sourceLine) << c.name;
        else
            EXPECT_TRUE(At(canvas, at.x(), at.y()) != kCanvas) << c.name;
        EXPECT_EQ(At(canvas, c.vertical ? 4 : 2 + c.length, c.vertical ? 2 + c.length : 4), kCanvas)
            << c.name << ": nothing outside the rectangle";
    }
}

TEST(DrawThreePartAxis, DrawsNothingLeftOfTheCanvas) {
    const Bitmap bitmap = CodedBitmap(6, 6);
    QImage canvas = Canvas(8, 8);
    QPainter painter(&canvas);
    DrawThreePartVertical(bitmap, painter, RectLTRB(-1, 0, 5, 8), 2);
    DrawThreePartHorizontal(bitmap, painter, RectLTRB(-1, 0, 5, 8), 2);
    painter.end();
    EXPECT_EQ(canvas, Canvas(8, 8));
}

}  // namespace
}  // namespace skin
