#include <gtest/gtest.h>

#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include "SkinFixture.h"
#include "skin/values/SkinMarks.h"
#include "support/WaitFor.h"

namespace skin::test {
namespace {

using plivant::test::WaitFor;
using Registration = SkinFixture;

size_t WindowsOf(const TSkinEngine& engine, const QWidget* window) {
    size_t count = 0;
    for (TSkinWindow* each : engine.SkinWindows()) count += each->Window() == window;
    return count;
}

TEST_F(Registration, LoadingRegistersTheEnginesFormOnce) {
    ASSERT_EQ(engine->SkinWindows().size(), 1u);
    EXPECT_EQ(engine->SkinWindows()[0]->Window(), form.get());
    EXPECT_TRUE(IsSkinned(form.get()));
    engine->RegisterWindow(form.get(), false);
    engine->Loaded();
    EXPECT_EQ(WindowsOf(*engine, form.get()), 1u);
}

TEST_F(Registration, ScreenFormsSkipTaggedFormsMenusAndPopups) {
    QWidget plain;
    QDialog dialog;
    QWidget tagged;
    tagged.setProperty("tag", 9999);
    QWidget popup(nullptr, Qt::Popup);
    QMenu menu;
    engine->SkinScreenForms();
    engine->SkinScreenForms();
    EXPECT_EQ(WindowsOf(*engine, &plain), 1u);
    EXPECT_EQ(WindowsOf(*engine, &dialog), 1u);
    EXPECT_EQ(WindowsOf(*engine, &tagged), 0u);
    EXPECT_EQ(WindowsOf(*engine, &popup), 0u);
    EXPECT_EQ(WindowsOf(*engine, &menu), 0u);

    engine->SetSkinAllForms(false);
    ASSERT_EQ(engine->SkinWindows().size(), 1u);
    EXPECT_EQ(engine->SkinWindows()[0]->Window(), form.get());
    EXPECT_FALSE(IsSkinned(&plain));
}

TEST_F(Registration, TheMainFormsFirstShowSkinsTheOtherForms) {
    QWidget other;
    ASSERT_TRUE(ShowAndWait(form.get()));
    EXPECT_EQ(WindowsOf(*engine, &other), 1u);
}

TEST_F(Registration, MessageBoxesAreSkinnedOnceWhileSkinDialogsIsOn) {
    for (bool skinDialogs : {true, false}) {
        engine->SetSkinDialogs(skinDialogs);
        QMessageBox box(QMessageBox::Information, "Note", "Text", QMessageBox::Ok);
        ASSERT_TRUE(ShowAndWait(&box));
        box.activateWindow();
        QApplication::processEvents();
        EXPECT_EQ(WindowsOf(*engine, &box), skinDialogs ? 1u : 0u);
        EXPECT_EQ(IsSkinned(&box), skinDialogs);
        box.hide();
    }
}

TEST_F(Registration, FormsMadeLaterAreSkinnedWhenShown) {
    QDialog plain;  // a plain dialog is caught even without SkinAllForms
    engine->SetSkinAllForms(false);
    ASSERT_TRUE(ShowAndWait(&plain));
    EXPECT_EQ(WindowsOf(*engine, &plain), 1u);
}

// A form is initialized when it is registered, shown or not; a standard dialog only once it is
// shown, as its frame is measured then.
TEST_F(Registration, ASkinWindowIsInitializedWhenItsWindowCanBeMeasured) {
    using Lifecycle = TSkinWindow::Lifecycle;
    QWidget other;
    QMessageBox box(QMessageBox::Information, "Note", "Text", QMessageBox::Ok);
    engine->RegisterWindow(&other, false);
    engine->RegisterWindow(&box, true);
    EXPECT_EQ(engine->FindSkinWindow(&other)->Stage(), Lifecycle::Initialized);
    TSkinWindow* dialog = engine->FindSkinWindow(&box);
    EXPECT_EQ(dialog->Stage(), Lifecycle::Attached);
    EXPECT_FALSE(dialog->LookOn());
    ASSERT_TRUE(ShowAndWait(&box));
    EXPECT_EQ(dialog->Stage(), Lifecycle::Initialized);
    EXPECT_TRUE(dialog->LookOn());
    box.hide();
}

TEST_F(Registration, AGoneWindowLeavesTheList) {
    auto* other = new QWidget;
    engine->RegisterWindow(other, false);
    EXPECT_EQ(engine->SkinWindows().size(), 2u);
    delete other;
    EXPECT_EQ(engine->SkinWindows().size(), 1u);
    plivant::test::Pump(std::chrono::milliseconds(10));
}

TEST_F(Registration, TheEnginesEndGivesOtherFormsTheirLookBack) {
    QWidget other;
    other.resize(200, 100);
    engine->RegisterWindow(&other, false);
    EXPECT_NE(other.contentsMargins(), QMargins());
    delete engine;
    EXPECT_EQ(other.contentsMargins(), QMargins());
    EXPECT_EQ(other.size(), QSize(200, 100));
    EXPECT_FALSE(IsSkinned(&other));
}

}  // namespace
}  // namespace skin::test
