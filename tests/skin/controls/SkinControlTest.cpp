#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "SkinFixture.h"
#include "skin/controls/SkinnerRegistry.h"
#include "skin/controls/TSkinControl.h"
#include "skin/values/SkinMarks.h"

namespace skin::test {
namespace {

// Counts what reaches it and paints a red corner; may swallow key presses.
struct Recorder : TSkinControl {
    using TSkinControl::TSkinControl;
    int Enters = 0, Leaves = 0, Downs = 0, Ups = 0, Paints = 0, Keys = 0;
    bool SwallowKeys = false;
    bool BeforeMessage(QEvent* event) override {
        return !(SwallowKeys && event->type() == QEvent::KeyPress);
    }
    void MouseEnter() override { ++Enters; }
    void MouseLeave() override { ++Leaves; }
    void MouseDown() override { ++Downs; }
    void MouseUp() override { ++Ups; }
    void KeyDown(int) override { ++Keys; }
    void Paint() override { ++Paints; }
    void ApplySkin() override {
        if (Skin().IsSkinning()) {
            Look().SetColor(QPalette::Button, Qt::red);
        } else {
            Look().Restore();
        }
    }
};

// The recorder serves push buttons, frames and line edits while a test runs.
struct SkinControl : SkinFixture {
    void SetUp() override {
        for (const char* name : kNames) {
            SkinnerRegistry::Instance().RegisterSkinnerClass(
                name, [](QWidget* w, SkinnerHost& window) {
                    return std::make_unique<Recorder>(w, window);
                });
        }
        SkinFixture::SetUp();
    }
    void TearDown() override {
        SkinFixture::TearDown();
        for (const char* name : kNames) SkinnerRegistry::Instance().UnregisterSkinnerClass(name);
    }
    Recorder* RecorderOf(const QWidget* control) {
        return dynamic_cast<Recorder*>(SkinnerOf(control));
    }
    // The control families' own skinners serve the other controls.
    size_t Recorders() {
        const auto all = SkinWindowOf(form.get())->Controls().Skinners();
        return std::count_if(all.begin(), all.end(),
                             [](TSkinControl* s) { return dynamic_cast<Recorder*>(s); });
    }
    // Builds the form's contents and skins them.
    void Skin() { SkinWindowOf(form.get())->Controls().SkinChildren(form.get()); }

    static constexpr const char* kNames[] = {"TSkinButton", "TSkinPanel", "TSkinScrollWinControl"};
};

TEST_F(SkinControl, TheWalkSkipsTaggedControlsAndWhatTheyHold) {
    auto* central = new QWidget(form.get());
    form->setCentralWidget(central);
    auto* plain = new QPushButton("Plain", central);
    auto* tagged = new QFrame(central);
    tagged->setProperty("tag", 9999);
    auto* hidden = new QPushButton("Inside", tagged);
    auto* panel = new QFrame(central);
    auto* inner = new QPushButton("Inner", panel);
    auto* combo = new QComboBox(central);
    combo->setEditable(true);
    auto* area = new QScrollArea(central);
    Skin();
    Skin();  // a second pass changes nothing
    EXPECT_NE(RecorderOf(plain), nullptr);
    EXPECT_NE(RecorderOf(panel), nullptr);
    EXPECT_NE(RecorderOf(inner), nullptr);
    EXPECT_EQ(RecorderOf(tagged), nullptr);
    EXPECT_EQ(RecorderOf(hidden), nullptr);
    EXPECT_EQ(RecorderOf(combo->lineEdit()), nullptr);
    EXPECT_NE(RecorderOf(area), nullptr);
    EXPECT_EQ(RecorderOf(area->viewport()), nullptr);
    EXPECT_EQ(Recorders(), 4u);
    EXPECT_TRUE(IsSkinned(plain));
    EXPECT_FALSE(IsSkinned(hidden));
}

TEST_F(SkinControl, MouseAndKeysMakeTheControlHotAndPressed) {
    auto* button = new QPushButton("Button", form.get());
    button->setGeometry(10, 50, 80, 25);
    Skin();
    ASSERT_TRUE(ShowAndWait(form.get()));
    Recorder* r = RecorderOf(button);
    ASSERT_NE(r, nullptr);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    EXPECT_TRUE(r->Hot());
    QTest::mousePress(button, Qt::RightButton);
    EXPECT_FALSE(r->Pressed());
    QTest::mouseRelease(button, Qt::RightButton);
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_TRUE(r->Pressed());
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_FALSE(r->Pressed());
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(r->Pressed());
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Space, {}, " ", true);
    QApplication::sendEvent(button, &repeat);
    EXPECT_TRUE(r->Pressed());  // held: the repeated release does not count
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_FALSE(r->Pressed());
    QTest::mousePress(button, Qt::LeftButton);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(r->Hot());
    EXPECT_FALSE(r->Pressed());
    EXPECT_EQ(r->Enters, 1);
    EXPECT_EQ(r->Leaves, 1);
    EXPECT_EQ(r->Downs, 2);
    EXPECT_EQ(r->Ups, 1);
    const int paints = r->Paints;
    button->repaint();
    EXPECT_EQ(r->Paints, paints + 1);
}

// A child frame ignores presses; Qt still hands them on to its parent.
struct PressRecorder : QWidget {
    using QWidget::QWidget;
    int presses = 0;
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

TEST_F(SkinControl, UnacceptedEventsStillReachTheParent) {
    auto* parent = new PressRecorder(form.get());
    form->setCentralWidget(parent);
    auto* frame = new QFrame(parent);
    frame->setGeometry(0, 0, 50, 50);
    Skin();
    ASSERT_NE(RecorderOf(frame), nullptr);
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(parent->presses, 1);
    EXPECT_EQ(RecorderOf(frame)->Downs, 1);
}

TEST_F(SkinControl, ASkinnerMaySwallowEventsAndTagsPassThem) {
    auto* edit = new QLineEdit(form.get());
    Skin();
    Recorder* r = RecorderOf(edit);
    ASSERT_NE(r, nullptr);
    r->SwallowKeys = true;
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(edit->text(), "");
    edit->setProperty("tag", 9999);  // the skin lets go of it at once
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(edit->text(), "ab");
}

TEST_F(SkinControl, LettingGoRestoresTheControlAndSurvivesGoneControls) {
    auto* kept = new QPushButton("Kept", form.get());
    auto* gone = new QPushButton("Gone", form.get());
    const QColor own = kept->palette().color(QPalette::Button);
    const bool ownPalette = kept->testAttribute(Qt::WA_SetPalette);
    Skin();
    EXPECT_EQ(kept->palette().color(QPalette::Button), QColor(Qt::red));
    delete gone;
    engine->SetActive(false);
    EXPECT_EQ(kept->palette().color(QPalette::Button), own);
    engine->SetActive(true);
    EXPECT_EQ(SkinWindowOf(form.get())->Controls().Skinners().size(), 1u);
    engine->UnregisterWindow(form.get());
    EXPECT_FALSE(IsSkinned(kept));
    EXPECT_EQ(kept->palette().color(QPalette::Button), own);
    EXPECT_EQ(kept->testAttribute(Qt::WA_SetPalette), ownPalette);
    QTest::mouseClick(kept, Qt::LeftButton);  // nothing listens any more
}

}  // namespace
}  // namespace skin::test
