#include <gtest/gtest.h>

#include "skin/builtin/BuiltinSkin.h"
#include "skin/data/ContainerWriter.h"
#include "skin/data/ExtractEntry.h"
#include "skin/data/Sk2Archive.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinResources.h"
#include "skin/data/SkinVocabulary.h"

namespace skin {
namespace {

constexpr ColorRef kMagenta = 0x00FF00FF;
constexpr ColorRef kForm = 0x00F6E4DA;

class BuiltinSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        reader = new TSkinReader;
        reader->LoadSkinData(BuiltinSkinData(), {});
    }
    static void TearDownTestSuite() { delete reader; }

    static QByteArray Archive() {
        QByteArray archive;
        EXPECT_EQ(ExtractEntry(BuiltinSkinData(), kSkinEntryName, {}, archive), erSuccess);
        return archive;
    }

    static TSkinReader* reader;
};

TSkinReader* BuiltinSkin::reader = nullptr;

TEST_F(BuiltinSkin, ExtractsToTheKnownArchive) {
    const QByteArray archive = Archive();
    EXPECT_EQ(archive.size(), 122978);
    EXPECT_TRUE(archive.startsWith("SKINFILE_SK2"));
    const SkinElements elements = ReadSk2Archive(archive);
    ASSERT_EQ(elements.size(), 80u);
    EXPECT_EQ(elements.front().Name, "SKIN2_TITLEBAR1");
    EXPECT_EQ(elements[28].Name, "SKIN2_TRANSCOLOR");
    EXPECT_EQ(elements[69].Name, "SKIN2_SYSTEMCOLOR1");
    EXPECT_EQ(elements.back().Name, "SKIN2_TABCONTROLTRANS");
    // Every bitmap is a 24-bit BMP file with a 54-byte header.
    for (const SkinElement& e : elements) {
        if (e.Kind != ekBitmap) continue;
        EXPECT_EQ(e.Data.mid(10, 1), QByteArray(1, 54)) << e.Name.constData();
        EXPECT_EQ(e.Data.mid(28, 1), QByteArray(1, 24)) << e.Name.constData();
    }
}

TEST_F(BuiltinSkin, HasTheElementCountsAndValues) {
    ASSERT_TRUE(reader->Ready());
    EXPECT_EQ(reader->FileReader()->Bitmaps().size(), 28u);
    EXPECT_EQ(reader->FileReader()->Integers().size(), 43u);
    EXPECT_EQ(reader->FileReader()->Booleans().size(), 9u);
    EXPECT_EQ(reader->GetBitmap(bitmaps::TitleBar4), nullptr);
    EXPECT_EQ(reader->GetBitmap(bitmaps::MenuBar), nullptr);
    EXPECT_EQ(reader->GetColor(colors::TransColor), kMagenta);
    EXPECT_EQ(reader->GetMetric(metrics::BottomRegionMinY), -1);
    EXPECT_EQ(reader->GetBoolean(flags::TitleBarNeedRegion), 1);

    const std::pair<int, ColorRef> colours[] = {{colors::FormColor, kForm},
                                                {colors::SelectedMenuColor, 0x00C56A31},
                                                {colors::ControlFontColor, 0x00040000},
                                                {colors::ScrollBarColor, 0x00F9F9F9},
                                                {colors::SideChannelBorderColor, 0x00A06B4F}};
    for (const auto& [index, value] : colours) EXPECT_EQ(reader->GetColor(index), value) << index;
    const std::pair<int, int> metricValues[] = {{metrics::TitleBarIconPosX, 7},
                                                {metrics::TitleBarButtonPosX, 29},
                                                {metrics::TitleBarRegionMinY, 0},
                                                {metrics::TitleBarRegionMaxY, 6}};
    for (const auto& [index, value] : metricValues) EXPECT_EQ(reader->GetMetric(index), value);
    EXPECT_EQ(reader->GetBoolean(flags::RadioButtonTrans), 1);
    EXPECT_EQ(reader->GetBoolean(flags::TitleFiveSect), 0);

    const std::pair<int, QSize> sizes[] = {
        {bitmaps::TitleBar1, {58, 48}},     {bitmaps::TitleBar3, {176, 48}},
        {bitmaps::TitleButtons, {342, 19}}, {bitmaps::Button, {204, 25}},
        {bitmaps::ScrollBar, {16, 21}},     {bitmaps::ScrollButton, {68, 17}}};
    for (const auto& [index, size] : sizes) {
        ASSERT_NE(reader->GetBitmap(index), nullptr) << index;
        EXPECT_EQ(reader->GetBitmap(index)->Size(), size) << index;
    }
}

TEST_F(BuiltinSkin, BitmapsCarryTheTransparentColourAndTheTrackBarIsCleared) {
    for (const auto& entry : reader->FileReader()->Bitmaps()) {
        EXPECT_EQ(entry.Picture.TransparentColor(), kMagenta) << entry.Name.constData();
    }
    // Compare the loaded track bar with its picture as stored.
    Bitmap stored;
    for (const SkinElement& e : ReadSk2Archive(Archive())) {
        if (e.Name == "SKIN2_TRACKBAR") stored = *Bitmap::FromBmp(e.Data);
    }
    const Bitmap* track = reader->GetBitmap(bitmaps::TrackBar);
    ASSERT_NE(track, nullptr);
    ASSERT_EQ(track->Size(), stored.Size());
    for (int y = 0; y < stored.Height(); ++y) {
        for (int x = 0; x < stored.Width(); ++x) {
            const ColorRef was = stored.Pixel(x, y);
            EXPECT_EQ(track->Pixel(x, y), was == kMagenta ? kForm : was) << x << ',' << y;
        }
    }
}

TEST_F(BuiltinSkin, ResourcesCutTheBuiltInPieces) {
    SkinResources resources;
    resources.SetReader(reader);
    const TSkinScrollBtnRes& scroll = resources.ScrollButtons;
    const TSkinTabRes& tabs = resources.Tabs;
    const TSkinProgressBarRes& progress = resources.ProgressBar;

    const int heights[] = {3, 5, 5, 5, 3};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(scroll.VertThumb(i).Size(), QSize(16, heights[i - 1])) << i;
        EXPECT_EQ(scroll.HorzThumb(i).Size(), QSize(heights[i - 1], 16)) << i;
    }
    EXPECT_EQ(scroll.ThumbWidth(), 16);
    EXPECT_FALSE(scroll.WholeThumbMode());
    EXPECT_EQ(scroll.VertButtons(1).Size(), QSize(16, 17));
    EXPECT_EQ(scroll.HorzButtons(4).Size(), QSize(17, 16));

    EXPECT_EQ(tabs.TabA().Size(), QSize(15, 17));
    EXPECT_EQ(tabs.TabBLeft().Size(), QSize(17, 15));
    EXPECT_EQ(tabs.LineRight().Size(), QSize(1, 8));

    EXPECT_EQ(progress.Horz(2).Size(), QSize(6, 10));
    EXPECT_EQ(progress.Vert(2).Size(), QSize(10, 6));
    EXPECT_EQ(progress.StartWidth(), 1);
    EXPECT_EQ(progress.EndWidth(), 1);
}

}  // namespace
}  // namespace skin
