#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinResources.h"

namespace skin {
namespace {

constexpr ColorRef kMagenta = 0x00FF00FF;
constexpr ColorRef kTrack = 0x00F9F9F9;

// A picture whose row y has colour 0x000100 * (y + 1): every row tells where it came from.
Bitmap RowCoded(int width, int height) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, (y + 1) << 8);
    }
    return bitmap;
}

// Frames of `frameWidth` side by side, frame i (from 1) in colour i.
Bitmap FrameCoded(int frames, int frameWidth, int height) {
    Bitmap bitmap(frames * frameWidth, height);
    for (int x = 0; x < bitmap.Width(); ++x) {
        for (int y = 0; y < height; ++y) bitmap.SetPixel(x, y, x / frameWidth + 1);
    }
    return bitmap;
}

class ResourcesTest : public ::testing::Test {
protected:
    void Load(SkinElements elements, ColorRef track = kTrack) {
        elements.push_back(SkinElement::Integer("SKIN2_TRANSCOLOR", kMagenta));
        elements.push_back(SkinElement::Integer("SKIN2_SCROLLBARCOLOR", track));
        reader.LoadSkinData(test::MakeContainer(elements), {});
        resources.SetReader(&reader);
    }

    TSkinReader reader;
    SkinResources resources;
    const TSkinScrollBtnRes& scroll = resources.ScrollButtons;
    const TSkinTabRes& tabs = resources.Tabs;
    const TSkinProgressBarRes& progress = resources.ProgressBar;
};

TEST_F(ResourcesTest, ThumbPiecesTakeTheirRowsExactly) {
    Load({SkinElement::Bitmap("SKIN2_SCROLLBAR", RowCoded(16, 21).ToBmp())});
    // f = 5: caps of 3 rows; fillers of 5 rows from row 4, row 9 and row 13 (row 13 twice).
    const int firstRow[] = {0, 4, 9, 13, 18};
    const int height[] = {3, 5, 5, 5, 3};
    for (int i = 1; i <= 5; ++i) {
        const Bitmap& piece = scroll.VertThumb(i);
        ASSERT_EQ(piece.Size(), QSize(16, height[i - 1])) << i;
        for (int y = 0; y < piece.Height(); ++y) {
            EXPECT_EQ(piece.Pixel(15, y), (firstRow[i - 1] + y + 1) << 8) << i << ' ' << y;
        }
        EXPECT_EQ(scroll.HorzThumb(i).Size(), QSize(height[i - 1], 16)) << i;
        // Turned anticlockwise: the piece's top row becomes the left column, read upwards.
        EXPECT_EQ(scroll.HorzThumb(i).Pixel(0, 15), piece.Pixel(0, 0)) << i;
    }
    EXPECT_EQ(scroll.ThumbWidth(), 16);
    EXPECT_FALSE(scroll.WholeThumbMode());
    EXPECT_TRUE(scroll.WholeThumb().IsEmpty());
}

TEST_F(ResourcesTest, ShortThumbGetsOnePixelFillers) {
    Load({SkinElement::Bitmap("SKIN2_SCROLLBAR", RowCoded(9, 6).ToBmp())});
    EXPECT_EQ(scroll.VertThumb(1).Size(), QSize(9, 3));
    for (int i = 2; i <= 4; ++i) EXPECT_EQ(scroll.VertThumb(i).Size(), QSize(9, 1)) << i;
    EXPECT_EQ(scroll.VertThumb(5).Size(), QSize(9, 3));
}

TEST_F(ResourcesTest, ButtonsAreFramesAndTurnedFrames) {
    Load({SkinElement::Bitmap("SKIN2_SCROLLBARUPBUTTON", FrameCoded(3, 16, 17).ToBmp()),
          SkinElement::Bitmap("SKIN2_SCROLLBARDOWNBUTTON", FrameCoded(3, 16, 17).ToBmp())});
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(scroll.VertButtons(i).Size(), QSize(16, 17)) << i;
        EXPECT_EQ(scroll.VertButtons(i).Pixel(0, 0), (i - 1) % 3 + 1) << i;
        EXPECT_EQ(scroll.HorzButtons(i).Size(), QSize(17, 16)) << i;
        EXPECT_EQ(scroll.HorzButtons(i).Pixel(0, 0), (i - 1) % 3 + 1) << i;
    }
    EXPECT_EQ(scroll.ThumbWidth(), 0);  // no thumb in this skin
    EXPECT_TRUE(scroll.VertThumb(1).IsEmpty());
}

TEST_F(ResourcesTest, PiecesTakeTheTrackColourButTheWholeThumbKeepsItsOwn) {
    Bitmap thumb = test::Filled(12, 33, 0x00808080);
    thumb.SetPixel(1, 10, 0x00B23901);
    thumb.SetPixel(0, 0, kMagenta);
    Bitmap button = test::Filled(48, 17, kMagenta);
    Load({SkinElement::Bitmap("SKIN2_SCROLLBAR", thumb.ToBmp()),
          SkinElement::Bitmap("SKIN2_SCROLLBARUPBUTTON", button.ToBmp())},
         0x00CBCBCB);
    ASSERT_TRUE(scroll.WholeThumbMode());
    EXPECT_EQ(scroll.WholeThumb().Pixel(0, 0), kMagenta);
    EXPECT_EQ(scroll.WholeThumbHorz().Size(), QSize(33, 12));
    EXPECT_EQ(scroll.VertThumb(1).Pixel(0, 0), 0x00CBCBCB);
    EXPECT_EQ(scroll.HorzThumb(1).Pixel(0, 11), 0x00CBCBCB);
    EXPECT_EQ(scroll.VertButtons(2).Pixel(5, 5), 0x00CBCBCB);
    EXPECT_EQ(scroll.HorzButtons(3).Pixel(5, 5), 0x00CBCBCB);
}

TEST_F(ResourcesTest, WholeThumbModeNeedsAllThreeMarks) {
    struct Case {
        int height;
        ColorRef mark;
        ColorRef track;
    };
    const Case cases[] = {
        {32, 0x00B23901, 0x00CBCBCB}, {33, 0x00B23902, 0x00CBCBCB}, {33, 0x00B23901, kTrack}};
    for (const Case& c : cases) {
        Bitmap thumb = test::Filled(12, c.height, 0);
        thumb.SetPixel(1, 10, c.mark);
        Load({SkinElement::Bitmap("SKIN2_SCROLLBAR", thumb.ToBmp())}, c.track);
        EXPECT_FALSE(scroll.WholeThumbMode()) << c.height;
        EXPECT_TRUE(scroll.WholeThumb().IsEmpty());
    }
}

TEST_F(ResourcesTest, TabPiecesInFourTurns) {
    Load({SkinElement::Bitmap("SKIN2_TABCONTROL", FrameCoded(2, 15, 17).ToBmp()),
          SkinElement::Bitmap("SKIN2_TABCONTROLLINE", RowCoded(8, 1).ToBmp())});
    EXPECT_EQ(tabs.TabA().Pixel(0, 0), 2);  // the selected tab is frame 2
    EXPECT_EQ(tabs.TabB().Pixel(0, 0), 1);
    const std::pair<const Bitmap*, QSize> sizes[] = {
        {&tabs.TabA(), {15, 17}},      {&tabs.TabALeft(), {17, 15}}, {&tabs.TabABottom(), {15, 17}},
        {&tabs.TabARight(), {17, 15}}, {&tabs.TabBLeft(), {17, 15}}, {&tabs.Line(), {8, 1}},
        {&tabs.LineLeft(), {1, 8}},    {&tabs.LineBottom(), {8, 1}}, {&tabs.LineRight(), {1, 8}},
    };
    for (const auto& [piece, size] : sizes) EXPECT_EQ(piece->Size(), size);
    EXPECT_EQ(tabs.TabBRight().Pixel(0, 0), 1);
}

TEST_F(ResourcesTest, ProgressPiecesAndTheirTurns) {
    SkinElements elements;
    for (int i = 1; i <= 4; ++i) {
        elements.push_back(SkinElement::Bitmap("SKIN2_PROGRESSBAR" + QByteArray::number(i),
                                               test::FilledBmp(i, 10, i)));
    }
    Load(elements);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(progress.Horz(i).Size(), QSize(i, 10)) << i;
        EXPECT_EQ(progress.Horz(i).Pixel(0, 0), i) << i;
        EXPECT_EQ(progress.Vert(i).Size(), QSize(10, i)) << i;
    }
    EXPECT_EQ(progress.StartWidth(), 1);
    EXPECT_EQ(progress.EndWidth(), 4);
}

TEST_F(ResourcesTest, ReaderWithoutSkinLeavesEveryPieceEmpty) {
    Load({SkinElement::Bitmap("SKIN2_SCROLLBAR", RowCoded(16, 21).ToBmp()),
          SkinElement::Bitmap("SKIN2_TABCONTROL", FrameCoded(2, 15, 17).ToBmp()),
          SkinElement::Bitmap("SKIN2_PROGRESSBAR1", test::FilledBmp(1, 10, 0))});
    reader.LoadSkin(QString(), {});
    resources.SetReader(&reader);
    EXPECT_TRUE(scroll.VertThumb(3).IsEmpty());
    EXPECT_EQ(scroll.ThumbWidth(), 0);
    EXPECT_TRUE(tabs.TabA().IsEmpty());
    EXPECT_TRUE(progress.Horz(1).IsEmpty());
    EXPECT_EQ(progress.StartWidth(), 0);

    TSkinTabRes unbound;
    unbound.SetReader(nullptr);
    EXPECT_TRUE(unbound.LineLeft().IsEmpty());
    EXPECT_TRUE(scroll.VertThumb(0).IsEmpty());  // outside 1..5
}

}  // namespace
}  // namespace skin
