#include <gtest/gtest.h>

#include "skin/draw/BitmapOps.h"
#include "skin/draw/PixelHelpers.h"

namespace skin {
namespace {

using test::CodedBitmap;
using test::CodeOf;
using test::SourceOf;

// Where each pixel of `turned` came from, row by row.
std::vector<std::vector<QPoint>> Sources(const Bitmap& turned) {
    std::vector<std::vector<QPoint>> rows(turned.Height());
    for (int y = 0; y < turned.Height(); ++y)
        for (int x = 0; x < turned.Width(); ++x) rows[y].push_back(SourceOf(turned.Pixel(x, y)));
    return rows;
}

TEST(Rotate, TurnsAThreeByTwoBitmapEachWay) {
    const Bitmap source = CodedBitmap(3, 2);
    struct Case {
        const char* name;
        Bitmap turned;
        std::vector<std::vector<QPoint>> expected;
    };
    const Case cases[] = {
        {"left", RotateLeft(source), {{{2, 0}, {2, 1}}, {{1, 0}, {1, 1}}, {{0, 0}, {0, 1}}}},
        {"right", RotateRight(source), {{{0, 1}, {0, 0}}, {{1, 1}, {1, 0}}, {{2, 1}, {2, 0}}}},
        {"half", Rotate180(source), {{{2, 1}, {1, 1}, {0, 1}}, {{2, 0}, {1, 0}, {0, 0}}}},
    };
    for (const Case& c : cases) EXPECT_EQ(Sources(c.turned), c.expected) << c.name;
    // The source's top-left pixel ends at the bottom left after a left turn.
    EXPECT_EQ(RotateLeft(source).Pixel(0, 2), CodeOf(0, 0));
}

TEST(Rotate, OppositeTurnsRestoreTheBitmapAndKeepItsAttributes) {
    Bitmap source = CodedBitmap(5, 3);
    source.SetTransparentColor(test::kMagenta);
    source.SetTransparent(true);
    const Bitmap back = RotateRight(RotateLeft(source));
    EXPECT_EQ(back.Image(), source.Image());
    EXPECT_EQ(Rotate180(Rotate180(source)).Image(), source.Image());
    EXPECT_EQ(RotateLeft(RotateLeft(source)).Image(), Rotate180(source).Image());
    EXPECT_EQ(back.TransparentColor(), test::kMagenta);
    EXPECT_TRUE(back.Transparent());
    EXPECT_TRUE(RotateLeft(Bitmap()).IsEmpty());
}

TEST(SliceBitmap, CutsTheTitleButtonStripIntoEighteenFrames) {
    const Bitmap strip = CodedBitmap(342, 19);
    for (int index : {1, 7, 18}) {
        const Bitmap frame = SliceBitmap(strip, 18, index);
        ASSERT_EQ(frame.Width(), 19);
        ASSERT_EQ(frame.Height(), 19);
        EXPECT_EQ(SourceOf(frame.Pixel(0, 0)), QPoint((index - 1) * 19, 0)) << index;
        EXPECT_EQ(SourceOf(frame.Pixel(18, 18)), QPoint(index * 19 - 1, 18)) << index;
    }
    EXPECT_EQ(SourceOf(SliceBitmap(strip, 18, 18).Pixel(18, 0)), QPoint(341, 0));
}

TEST(SliceBitmap, DropsTheRemainderColumnsAndRefusesImpossibleFrames) {
    const Bitmap strip = CodedBitmap(10, 2);  // three frames of 3, one column left over
    EXPECT_EQ(SourceOf(SliceBitmap(strip, 3, 3).Pixel(2, 1)), QPoint(8, 1));
    EXPECT_EQ(SliceBitmap(strip, 3, 3).Width(), 3);
    const struct {
        Bitmap source;
        int frames, index;
    } impossible[] = {
        {Bitmap(), 3, 1}, {strip, 0, 1}, {strip, 3, 0}, {strip, 3, 4}, {strip, 11, 1}};
    for (const auto& c : impossible)
        EXPECT_TRUE(SliceBitmap(c.source, c.frames, c.index).IsEmpty()) << c.frames << c.index;
}

TEST(ReplaceColor, ChangesExactlyThePixelsOfTheOldColour) {
    Bitmap bitmap(3, 1);
    bitmap.SetPixel(0, 0, test::kMagenta);
    bitmap.SetPixel(1, 0, 0x00FE00FF);  // one step off: stays
    bitmap.SetPixel(2, 0, test::kMagenta);
    ReplaceColor(bitmap, test::kMagenta, 0x00F6E4DA);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0x00F6E4DA);
    EXPECT_EQ(bitmap.Pixel(1, 0), 0x00FE00FF);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0x00F6E4DA);
}

}  // namespace
}  // namespace skin
