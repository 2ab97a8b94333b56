#include <gtest/gtest.h>

#include <functional>

#include "skin/data/BitmapOps.h"

namespace skin {
namespace {

// Every pixel tells where it came from: red and blue hold its column, green its row.
Bitmap Coordinates(int width, int height) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.SetPixel(x, y, (x & 0xFF) | (y << 8) | ((x >> 8) << 16));
        }
    }
    return bitmap;
}

QPoint Origin(const Bitmap& bitmap, int x, int y) {
    const ColorRef c = bitmap.Pixel(x, y);
    return QPoint((c & 0xFF) | ((c >> 16) << 8), (c >> 8) & 0xFF);
}

TEST(SliceBitmap, CutsEqualFramesFromTheLeft) {
    const Bitmap buttons = Coordinates(342, 19);
    Bitmap frame;
    SliceBitmap(&buttons, frame, 18, 18);
    ASSERT_EQ(frame.Width(), 19);
    ASSERT_EQ(frame.Height(), 19);
    EXPECT_EQ(Origin(frame, 0, 0), QPoint(323, 0));
    EXPECT_EQ(Origin(frame, 18, 18), QPoint(341, 18));

    // Widths that do not divide drop the rest on the right.
    const Bitmap tab = Coordinates(31, 17);
    SliceBitmap(&tab, frame, 2, 2);
    EXPECT_EQ(frame.Width(), 15);
    EXPECT_EQ(Origin(frame, 0, 0), QPoint(15, 0));
}

TEST(SliceBitmap, KeepsTransparencyAndLeavesTheDestinationWithoutSource) {
    Bitmap source = Coordinates(6, 2);
    source.SetTransparentColor(0x00FF00FF);
    source.SetTransparent(true);
    Bitmap frame;
    SliceBitmap(&source, frame, 3, 2);
    EXPECT_EQ(frame.TransparentColor(), 0x00FF00FF);
    EXPECT_TRUE(frame.Transparent());

    const Bitmap before = Coordinates(4, 4);
    Bitmap untouched = before;
    SliceBitmap(nullptr, untouched, 2, 1);
    SliceBitmap(&source, untouched, 0, 1);
    EXPECT_EQ(untouched.Image(), before.Image());
}

struct TurnCase {
    const char* name;
    void (*turn)(Bitmap&);
    bool swapsSides;
    // Where source pixel (x, y) of a w x h picture lands.
    std::function<QPoint(int x, int y, int w, int h)> target;
};

TEST(Rotate, MovesEveryPixelWhereTheTurnSays) {
    const TurnCase cases[] = {
        {"left", RotateLeft, true, [](int x, int y, int w, int) { return QPoint(y, w - 1 - x); }},
        {"right", RotateRight, true, [](int x, int y, int, int h) { return QPoint(h - 1 - y, x); }},
        {"180", Rotate180, false,
         [](int x, int y, int w, int h) { return QPoint(w - 1 - x, h - 1 - y); }},
    };
    const int w = 5, h = 3;
    for (const TurnCase& c : cases) {
        Bitmap bitmap = Coordinates(w, h);
        c.turn(bitmap);
        EXPECT_EQ(bitmap.Width(), c.swapsSides ? h : w) << c.name;
        EXPECT_EQ(bitmap.Height(), c.swapsSides ? w : h) << c.name;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QPoint t = c.target(x, y, w, h);
                EXPECT_EQ(Origin(bitmap, t.x(), t.y()), QPoint(x, y)) << c.name;
            }
        }
    }
}

TEST(Rotate, LeftOfThreeByTwoPutsTheTopLeftPixelBottomLeft) {
    Bitmap bitmap = Coordinates(3, 2);
    RotateLeft(bitmap);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(Origin(bitmap, 0, 2), QPoint(0, 0));
}

TEST(Rotate, OppositeTurnsRestoreThePicture) {
    const Bitmap original = Coordinates(7, 4);
    Bitmap bitmap = original;
    RotateLeft(bitmap);
    RotateRight(bitmap);
    EXPECT_EQ(bitmap.Image(), original.Image());
    Rotate180(bitmap);
    Rotate180(bitmap);
    EXPECT_EQ(bitmap.Image(), original.Image());

    Bitmap empty;
    RotateLeft(empty);
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(ReplaceColor, ChangesExactMatchesOnly) {
    Bitmap bitmap(3, 1);
    bitmap.SetPixel(0, 0, 0x00FF00FF);
    bitmap.SetPixel(1, 0, 0x00FE00FF);
    bitmap.SetPixel(2, 0, 0x00FF00FF);
    const Bitmap shared = bitmap;  // a copy must keep its pixels
    ReplaceColor(bitmap, 0x00FF00FF, 0x00F6E4DA);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0x00F6E4DA);
    EXPECT_EQ(bitmap.Pixel(1, 0), 0x00FE00FF);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0x00F6E4DA);
    EXPECT_EQ(shared.Pixel(0, 0), 0x00FF00FF);
}

TEST(ReplaceColor, WorksOnPicturesOfAnotherFormat) {
    Bitmap bitmap;
    bitmap.Image() = QImage(2, 2, QImage::Format_ARGB32);
    bitmap.Image().fill(QColor(0xFF, 0x00, 0xFF));
    ReplaceColor(bitmap, 0x00FF00FF, 0x00123456);
    EXPECT_EQ(bitmap.Image().format(), QImage::Format_RGB888);
    EXPECT_EQ(bitmap.Pixel(1, 1), 0x00123456);
}

}  // namespace
}  // namespace skin
