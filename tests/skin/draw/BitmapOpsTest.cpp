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

TEST(Rotated, TurnsAThreeByTwoBitmapEachWay) {
    const Bitmap source = CodedBitmap(3, 2);
    struct Case {
        const char* name;
        Bitmap turned;
        std::vector<std::vector<QPoint>> expected;
    };
    const Case cases[] = {
        {"left", RotatedLeft(source), {{{2, 0}, {2, 1}}, {{1, 0}, {1, 1}}, {{0, 0}, {0, 1}}}},
        {"right", RotatedRight(source), {{{0, 1}, {0, 0}}, {{1, 1}, {1, 0}}, {{2, 1}, {2, 0}}}},
        {"half", Rotated180(source), {{{2, 1}, {1, 1}, {0, 1}}, {{2, 0}, {1, 0}, {0, 0}}}},
    };
    for (const Case& c : cases) EXPECT_EQ(Sources(c.turned), c.expected) << c.name;
    // The source's top-left pixel ends at the bottom left after a left turn.
    EXPECT_EQ(RotatedLeft(source).Pixel(0, 2), CodeOf(0, 0));
}

TEST(Rotated, OppositeTurnsRestoreTheBitmapAndKeepItsAttributes) {
    Bitmap source = CodedBitmap(5, 3);
    source.SetTransparentColor(test::kMagenta);
    source.SetTransparent(true);
    const Bitmap back = RotatedRight(RotatedLeft(source));
    EXPECT_EQ(back.Image(), source.Image());
    EXPECT_EQ(Rotated180(Rotated180(source)).Image(), source.Image());
    EXPECT_EQ(RotatedLeft(RotatedLeft(source)).Image(), Rotated180(source).Image());
    EXPECT_EQ(back.TransparentColor(), test::kMagenta);
    EXPECT_TRUE(back.Transparent());
    EXPECT_TRUE(RotatedLeft(Bitmap()).IsEmpty());
}

TEST(FrameOf, CutsTheTitleButtonStripIntoEighteenFrames) {
    const Bitmap strip = CodedBitmap(342, 19);
    for (int index : {1, 7, 18}) {
        const Bitmap frame = FrameOf(strip, 18, index);
        ASSERT_EQ(frame.Width(), 19);
        ASSERT_EQ(frame.Height(), 19);
        EXPECT_EQ(SourceOf(frame.Pixel(0, 0)), QPoint((index - 1) * 19, 0)) << index;
        EXPECT_EQ(SourceOf(frame.Pixel(18, 18)), QPoint(index * 19 - 1, 18)) << index;
    }
    EXPECT_EQ(SourceOf(FrameOf(strip, 18, 18).Pixel(18, 0)), QPoint(341, 0));
}

TEST(FrameOf, DropsTheRemainderColumnsAndRefusesImpossibleFrames) {
    const Bitmap strip = CodedBitmap(10, 2);  // three frames of 3, one column left over
    EXPECT_EQ(SourceOf(FrameOf(strip, 3, 3).Pixel(2, 1)), QPoint(8, 1));
    EXPECT_EQ(FrameOf(strip, 3, 3).Width(), 3);
    const struct {
        Bitmap source;
        int frames, index;
    } impossible[] = {
        {Bitmap(), 3, 1}, {strip, 0, 1}, {strip, 3, 0}, {strip, 3, 4}, {strip, 11, 1}};
    for (const auto& c : impossible)
        EXPECT_TRUE(FrameOf(c.source, c.frames, c.index).IsEmpty()) << c.frames << c.index;
}

}  // namespace
}  // namespace skin
