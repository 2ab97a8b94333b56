#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "ProbeSkin.h"
#include "SkinFixture.h"
#include "skin/builtin/BuiltinSkin.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/engine/EngineError.h"
#include "skin/engine/TSkinEngine.h"
#include "skin/values/SkinMarks.h"

namespace skin::test {
namespace {

TEST(Engine, BelongsOnAFormAndOneFormHoldsOne) {
    QWidget form;
    QWidget child(&form);
    auto message = [](auto make) {
        try {
            make();
        } catch (const EngineError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { TSkinEngine engine(&child); }), "Must be placed on a Form");
    EXPECT_EQ(message([&] { TSkinEngine engine(nullptr); }), "Must be placed on a Form");
    auto* first = new TSkinEngine(&form);
    EXPECT_EQ(message([&] { new TSkinEngine(&form); }), "One form can only catch one TSkinEngine!");
    EXPECT_EQ(form.findChildren<TSkinEngine*>().size(), 1);
    EXPECT_EQ(first->parent(), &form);
}

TEST(Engine, DefaultsAndFixedProperties) {
    QWidget form;
    TSkinEngine engine(&form);
    EXPECT_FALSE(engine.Active());
    EXPECT_FALSE(engine.Ready());
    EXPECT_FALSE(engine.IsSkinning());
    EXPECT_EQ(engine.DisabledTag(), 9999);
    EXPECT_TRUE(engine.DrawScrollBar());
    EXPECT_TRUE(engine.SkinDialogs());
    EXPECT_TRUE(engine.SkinAllForms());
    EXPECT_FALSE(engine.BuiltIn());
    engine.SetVersion("2.0");
    engine.SetReady(true);
    EXPECT_EQ(engine.Version(), "1.0");
    EXPECT_FALSE(engine.Ready());

    const QList<QAction*> items = engine.SystemMenu()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), "Mi&nimize");
    EXPECT_EQ(items[1]->text(), "Ma&ximize/Restore");
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text(), "&Close");
    engine.SetResSysMenuClose("&Shut");
    EXPECT_EQ(items[3]->text(), "&Shut");
    EXPECT_TRUE(engine.IsOwnerDrawn(engine.SystemMenu()));

    engine.SetBuiltIn(true);  // still loading
    EXPECT_TRUE(engine.BuiltIn());
    engine.Loaded();
    try {
        engine.SetBuiltIn(false);
        FAIL() << "no error";
    } catch (const EngineError& error) {
        EXPECT_STREQ(error.what(), "BuiltIn property only can be specified at design time!");
    }
}

TEST(Engine, BuiltinSkinValues) {
    QWidget form;
    TSkinEngine engine(&form);
    int changed = 0;
    engine.OnSkinChanged = [&](TSkinEngine&) { ++changed; };
    engine.SetSkinData(BuiltinSkinData());
    const SkinMetrics& m = engine.Skin().Metrics();
    EXPECT_EQ(changed, 1);
    EXPECT_TRUE(engine.Ready());
    EXPECT_EQ(m.TitleHeight, 48);
    EXPECT_EQ(m.LeftBorderWidth, 1);
    EXPECT_EQ(m.RightBorderWidth, 1);
    EXPECT_EQ(m.BottomBorderHeight, 1);
    EXPECT_EQ(m.FormColor, 0x00F6E4DA);
    EXPECT_EQ(m.TransColor, 0x00FF00FF);
    EXPECT_EQ(m.IconPosX, 7);
    EXPECT_EQ(m.IconPosY, 14);
    EXPECT_EQ(m.CaptionTop, 14);
    EXPECT_EQ(m.ButtonPosX, 29);
    EXPECT_EQ(m.ButtonPosY, 14);
    EXPECT_EQ(m.MinFormWidth, 234);
    EXPECT_EQ(m.TitleMinY, 0);
    EXPECT_EQ(m.TitleMaxY, 6);
    EXPECT_EQ(m.BottomMinY, -1);
    EXPECT_EQ(m.BottomMaxY, -1);
    EXPECT_EQ(engine.Skin().Pieces().ButtonSize, QSize(19, 19));

    Bitmap frame;
    EXPECT_TRUE(engine.Skin().GetElementFrame(bitmaps::TitleButtons, frame, 18, 18));
    EXPECT_EQ(frame.Size(), QSize(19, 19));
    EXPECT_TRUE(engine.Skin().GetElementFrame(bitmaps::TitleButtons, frame, 0, 0));
    EXPECT_EQ(frame.Size(), QSize(342, 19));
    EXPECT_FALSE(engine.Skin().GetElementFrame(bitmaps::TitleBar4, frame, 1, 1));
}

TEST(Engine, ProbeSkinValuesComeFromTheSkin) {
    QWidget form;
    TSkinEngine engine(&form);
    engine.SetSkinData(ProbeSkin());
    const SkinMetrics& m = engine.Skin().Metrics();
    EXPECT_EQ(m.TitleHeight, probe::kTitleHeight);
    EXPECT_EQ(m.LeftBorderWidth, probe::kBorder);
    EXPECT_EQ(m.BottomBorderHeight, probe::kBottomHeight);
    EXPECT_EQ(m.FormColor, probe::kForm);
    EXPECT_EQ(m.MinFormWidth, probe::kTitle1Width + (18 * probe::kButton.width()) / 6 + 35);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(m.MenuColors[size_t(i)], probe::kMenu[i]) << i;
    EXPECT_EQ(engine.Skin().Menus().CheckMark.pixelColor(6, 6), Q(probe::kCheck));
    EXPECT_EQ(engine.Skin().Menus().CheckMark.pixelColor(0, 0).alpha(), 0);
}

// The skin file is looked for in the data folders when the name is no existing file.
TEST(Engine, SkinFileIsFoundInTheDataFolders) {
    QTemporaryDir data;
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QFile file(QDir(data.path()).filePath("probe.ssk"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ProbeSkin());
    file.close();

    QWidget form;
    TSkinEngine engine(&form);
    engine.SetSkinFile("nowhere/missing.ssk");
    EXPECT_FALSE(engine.Ready());
    EXPECT_TRUE(engine.SkinFile().isEmpty());
    engine.SetSkinFile("some/folder/probe.ssk");
    EXPECT_EQ(engine.SkinFile(), file.fileName());
    EXPECT_TRUE(engine.Ready());
    EXPECT_EQ(engine.Skin().Metrics().TitleHeight, probe::kTitleHeight);
    qputenv("XDG_DATA_HOME", oldHome);
}

TEST(Engine, UnreadableSkinFileClearsTheNameAndTheSkin) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("broken.ssk");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("SK not a skin at all");
    file.close();

    QMainWindow form;
    TSkinEngine engine(&form);
    engine.SetSkinData(ProbeSkin());
    engine.SetActive(true);
    engine.Loaded();
    ASSERT_TRUE(IsSkinned(&form));
    EXPECT_EQ(form.contentsMargins().top(), probe::kTitleHeight);
    try {
        engine.SetSkinFile(path);
        FAIL() << "no error";
    } catch (const SkinError& error) {
        EXPECT_STREQ(error.what(), "Failed to read skin file!");
    }
    EXPECT_TRUE(engine.SkinFile().isEmpty());
    EXPECT_FALSE(engine.IsSkinning());
    EXPECT_EQ(form.contentsMargins(), QMargins());
    EXPECT_FALSE(form.windowFlags() & Qt::FramelessWindowHint);
}

}  // namespace
}  // namespace skin::test
