#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>

#include "ControlProbe.h"
#include "skin/controls/TSkinButton.h"

namespace skin::test {
namespace {

using namespace ctl;

struct PushButton : ControlFixture {
    void SetUp() override {
        ControlFixture::SetUp();
        button = new QPushButton("Go", form.get());
        button->setGeometry(20, 20, 80, 26);
        Skin();
        ASSERT_TRUE(Show());
        skinner = SkinnerOf<TSkinButton>(button);
        ASSERT_NE(skinner, nullptr);
    }
    QColor Face() { return PixelAt(Grab(button), 2, 2); }
    void SendKey(QEvent::Type type, int key, bool autoRepeat = false) {
        QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "\r", autoRepeat);
        QApplication::sendEvent(button, &event);
    }

    QPushButton* button = nullptr;
    TSkinButton* skinner = nullptr;
};

TEST_F(PushButton, TheFaceIsTheSkinFrameOfItsState) {
    EXPECT_EQ(Face(), Q(kButton[0]));
    Enter(button);
    EXPECT_EQ(Face(), Q(kButton[1]));
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(Face(), Q(kButton[2]));  // pressed wins over hot
    Leave(button);
    EXPECT_EQ(Face(), Q(kButton[0]));  // leaving lets go of both
    QTest::mouseRelease(button, Qt::LeftButton);
}

TEST_F(PushButton, TheFocusRectangleInvertsEveryOtherPixelFiveInside) {
    button->setFocus();
    QImage shot = Grab(button);
    const QColor inverted = QColor(Q(kButton[0]).rgb() ^ 0x00FFFFFF);
    EXPECT_EQ(PixelAt(shot, 5, 5), inverted);
    EXPECT_EQ(PixelAt(shot, 6, 5), Q(kButton[0]));
    EXPECT_EQ(PixelAt(shot, 74, 20), inverted);
    EXPECT_EQ(PixelAt(shot, 4, 4), Q(kButton[0]));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 13));
    shot = Grab(button);
    EXPECT_EQ(PixelAt(shot, 6, 6), QColor(Q(kButton[2]).rgb() ^ 0x00FFFFFF));
    EXPECT_EQ(PixelAt(shot, 5, 5), Q(kButton[2]));  // moved with the press
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 13));
}

TEST_F(PushButton, TheCaptionIsInTheButtonFontColourOrGreyWhenDisabled) {
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), Q(kButtonFont));
    EXPECT_GT(CountColour(Grab(button), Q(kButtonFont)), 0);
    button->setEnabled(false);
    const QImage shot = Grab(button);
    EXPECT_EQ(CountColour(shot, Q(kButtonFont)), 0);
    EXPECT_GT(CountColour(shot, QColor(0x80, 0x80, 0x80)), 0);
}

TEST_F(PushButton, APressAndAReleaseOverItClickOnce) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(button->hasFocus());
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(clicked.count(), 1);  // let go elsewhere
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);  // a release alone is no click
    EXPECT_FALSE(skinner->MouseDownArmed());
}

TEST_F(PushButton, TheSecondClickOfADoubleClickClicksToo) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    const QPointF at(10, 10);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, button->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &twice);
    EXPECT_TRUE(skinner->Pressed());
    QTest::mouseRelease(button, Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(clicked.count(), 2);
}

TEST_F(PushButton, AMouseMovedOffWhileHeldLeavesTheButtonAndComesBack) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    Enter(button);
    QTest::mousePress(button, Qt::LeftButton);
    QMouseEvent off(QEvent::MouseMove, QPointF(-5, 5), button->mapToGlobal(QPointF(-5, 5)),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &off);
    EXPECT_FALSE(skinner->Hot());
    EXPECT_FALSE(skinner->Pressed());
    QMouseEvent back(QEvent::MouseMove, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &back);
    EXPECT_TRUE(skinner->Hot());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);  // still armed by the press
}

TEST_F(PushButton, APressOnAnInactiveFormArmsNothing) {
    QWidget other;
    other.setGeometry(400, 300, 100, 80);
    ASSERT_TRUE(ShowAndWait(&other));
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_FALSE(skinner->MouseDownArmed());
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(PushButton, SpaceHeldShowsThePressedFaceAndClicksWhenLetGo) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    button->setFocus();
    SendKey(QEvent::KeyPress, Qt::Key_Space);
    EXPECT_EQ(Face(), Q(kButton[2]));
    SendKey(QEvent::KeyRelease, Qt::Key_Space, true);
    SendKey(QEvent::KeyPress, Qt::Key_Space, true);
    EXPECT_TRUE(skinner->Pressed());
    EXPECT_EQ(clicked.count(), 0);
    SendKey(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(Face(), Q(kButton[0]));
}

TEST_F(PushButton, EnterClicksAtOnce) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    button->setFocus();
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        const int before = clicked.count();
        SendKey(QEvent::KeyPress, key);
        EXPECT_EQ(clicked.count(), before + 1);
        SendKey(QEvent::KeyRelease, key);
        EXPECT_EQ(clicked.count(), before + 1);
        EXPECT_FALSE(skinner->Pressed());
    }
}

TEST_F(PushButton, ADisabledButtonTakesNoInput) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    button->setEnabled(false);
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_FALSE(skinner->Pressed());
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(PushButton, AnIconStandsLeftOfTheCaptionBothCentredTogether) {
    QPixmap red(16, 16);
    red.fill(Qt::red);
    button->setIcon(QIcon(red));
    button->setIconSize(QSize(16, 16));
    const int text = button->fontMetrics().horizontalAdvance("Go");
    const int margin = (80 - (16 + 4 + text) + 1) / 2;
    const QImage shot = Grab(button);
    EXPECT_EQ(PixelAt(shot, margin, 5), QColor(Qt::red));
    EXPECT_EQ(PixelAt(shot, margin + 15, 20), QColor(Qt::red));
    EXPECT_EQ(PixelAt(shot, margin - 1, 8), Q(kButton[0]));
    EXPECT_EQ(PixelAt(shot, margin, 4), Q(kButton[0]));
    EXPECT_EQ(CountColour(shot, Q(kButtonFont), QRect(0, 0, margin + 16 + 4, 26)), 0);
    EXPECT_GT(CountColour(shot, Q(kButtonFont)), 0);
}

TEST_F(PushButton, WithoutTheButtonPictureTheFaceIsTheFormColourWithItsCaption) {
    engine->SetSkinData(ControlProbeSkin({}, {"SKIN2_BUTTON"}));
    const QImage shot = Grab(button);
    EXPECT_EQ(PixelAt(shot, 2, 2), Q(probe::kForm));
    EXPECT_GT(CountColour(shot, Q(kButtonFont)), 0);
}

}  // namespace
}  // namespace skin::test
