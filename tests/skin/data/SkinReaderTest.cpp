#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skin/data/ContainerWriter.h"
#include "skin/data/Sk2Archive.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinVocabulary.h"

namespace skin {
namespace {

using test::FixturePath;

constexpr ColorRef kMagenta = 0x00FF00FF;
constexpr ColorRef kForm = 0x00F6E4DA;

// Counts the OnLoaded calls of a reader.
struct LoadCounter {
    int calls = 0;
    void Attach(TSkinReader& reader) {
        reader.OnLoaded = [this](TSkinReader&) { ++calls; };
    }
};

std::string LoadError(TSkinReader& reader, const char* fixture, QByteArrayView password) {
    try {
        reader.LoadSkin(FixturePath(fixture), password);
    } catch (const SkinError& e) {
        return e.what();
    }
    return "no error";
}

TEST(TSkinReader, WithoutSkinAnswersTheMissingValues) {
    TSkinReader reader;
    EXPECT_FALSE(reader.Ready());
    EXPECT_EQ(reader.GetBitmap(bitmaps::TitleBar1), nullptr);
    EXPECT_EQ(reader.GetColor(colors::TransColor), -1);
    EXPECT_EQ(reader.GetMetric(metrics::TitleBarIconPosX), -1);
    EXPECT_EQ(reader.GetBoolean(flags::TitleBarNeedRegion), 0);

    TSkinReader empty(QString(), {});
    EXPECT_FALSE(empty.Ready());
    EXPECT_EQ(empty.GetColor(colors::TransColor), -1);
}

TEST(TSkinReader, MissingFileIsNoErrorAndStillReportsTheLoad) {
    TSkinReader reader;
    LoadCounter loaded;
    loaded.Attach(reader);
    reader.LoadSkin(FixturePath("plain.ssk"), {});
    ASSERT_TRUE(reader.Ready());
    reader.LoadSkin(FixturePath("no-such-file.ssk"), {});
    EXPECT_FALSE(reader.Ready());
    EXPECT_EQ(reader.FileReader(), nullptr);
    EXPECT_EQ(loaded.calls, 2);
}

TEST(TSkinReader, ReadsAContainerMadeByZipfile) {
    TSkinReader reader(FixturePath("plain.ssk"), {});
    ASSERT_TRUE(reader.Ready());
    const Bitmap* title = reader.GetBitmap(bitmaps::TitleBar1);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Size(), QSize(3, 2));
    EXPECT_EQ(title->Pixel(2, 1), 0x00C56A31);
    EXPECT_EQ(reader.GetColor(colors::TransColor), kMagenta);
    EXPECT_EQ(reader.GetMetric(metrics::BottomRegionMinY), -1);
    EXPECT_EQ(reader.GetBoolean(flags::TitleBarNeedRegion), 1);
    EXPECT_EQ(reader.GetColor(colors::FormColor), -1);  // not in this skin
}

TEST(TSkinReader, FailedLoadsRaiseTheirMessageAndLeaveNoSkin) {
    struct Case {
        const char* fixture;
        const char* password;
        const char* message;
    };
    const Case cases[] = {
        {"damaged.ssk", "", "Failed to read skin file!"},
        {"pk-signature.zip", "", "Failed to read skin file!"},
        {"crc-enciphered.ssk", "", "Wrong password!"},
        {"infozip-enciphered.ssk", "nope", "Wrong password!"},
    };
    for (const Case& c : cases) {
        TSkinReader reader(FixturePath("plain.ssk"), {});
        LoadCounter loaded;
        loaded.Attach(reader);
        EXPECT_EQ(LoadError(reader, c.fixture, c.password), c.message) << c.fixture;
        EXPECT_FALSE(reader.Ready()) << c.fixture;
        EXPECT_EQ(reader.FileReader(), nullptr) << c.fixture;
        EXPECT_EQ(loaded.calls, 0) << c.fixture;
    }
    TSkinReader reader(FixturePath("infozip-enciphered.ssk"), "secret");
    EXPECT_TRUE(reader.Ready());
}

TEST(TSkinReader, LooksNamesUpWithoutCaseAndTakesTheFirst) {
    TSkinReader reader;
    reader.LoadSkinData(test::MakeContainer({
                            SkinElement::Integer("skin2_formcolor", 0x111111),
                            SkinElement::Integer("SKIN2_FORMCOLOR", 0x222222),
                            SkinElement::Boolean("SKIN2_BUTTONTRANS", 7),
                        }),
                        {});
    EXPECT_EQ(reader.GetColor(colors::FormColor), 0x111111);
    EXPECT_EQ(reader.GetBoolean(flags::ButtonTrans), 7);
    EXPECT_EQ(reader.FileReader()->Integers().size(), 2u);
}

TEST(TSkinReader, IndexesAreTakenModulo128AndStayInTheirGroup) {
    TSkinReader reader;
    reader.LoadSkinData(test::MakeContainer({
                            SkinElement::Integer("SKIN2_TRANSCOLOR", kMagenta),
                            SkinElement::Integer("SKIN2_TITLEBARICONPOSX", 7),
                        }),
                        {});
    EXPECT_EQ(reader.GetColor(128), kMagenta);
    EXPECT_EQ(reader.GetColor(colors::Count), -1);
    EXPECT_EQ(reader.GetMetric(metrics::Count), -1);
    EXPECT_EQ(reader.GetBitmap(bitmaps::Count), nullptr);
}

TEST(TSkinReader, GivesBitmapsTheTransparentColourAndClearsTheTrackBar) {
    Bitmap channel = test::Filled(4, 1, 0x00808080);
    channel.SetPixel(0, 0, kMagenta);
    channel.SetPixel(3, 0, kMagenta);
    TSkinReader reader;
    reader.LoadSkinData(test::MakeContainer({
                            SkinElement::Bitmap("SKIN2_TRACKBAR", channel.ToBmp()),
                            SkinElement::Bitmap("SKIN2_BUTTON", test::FilledBmp(3, 1, kMagenta)),
                            SkinElement::Integer("SKIN2_TRANSCOLOR", kMagenta),
                            SkinElement::Integer("SKIN2_FORMCOLOR", kForm),
                        }),
                        {});
    const Bitmap* track = reader.GetBitmap(bitmaps::TrackBar);
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(track->Pixel(0, 0), kForm);
    EXPECT_EQ(track->Pixel(1, 0), 0x00808080);
    EXPECT_EQ(track->Pixel(3, 0), kForm);
    const Bitmap* button = reader.GetBitmap(bitmaps::Button);
    EXPECT_EQ(button->Pixel(0, 0), kMagenta);  // only the track bar is changed
    for (const auto& entry : reader.FileReader()->Bitmaps()) {
        EXPECT_EQ(entry.Picture.TransparentColor(), kMagenta);
        EXPECT_FALSE(entry.Picture.Transparent());
    }
}

}  // namespace
}  // namespace skin
