#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>

#include "ControlProbe.h"
#include "skin/controls/ToolButtonParts.h"

namespace skin::test {
namespace {

using namespace ctl;

const QColor kCaption(0x20, 0xA0, 0x20);
const QColor kImage(0x10, 0x80, 0xF0);

struct ToolBars : ControlFixture {
    void SetUp() override {
        ControlFixture::SetUp();
        bar = new QToolBar(form.get());
        bar->setGeometry(0, 0, 360, 48);
        bar->setIconSize(QSize(16, 16));
        QPixmap image(16, 16);
        image.fill(kImage);
        one = bar->addAction(QIcon(image), "One");
        two = bar->addAction(QIcon(image), "Two");
        two->setCheckable(true);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::ButtonText, kCaption);
        bar->setPalette(palette);
        Skin();
        ASSERT_TRUE(Show());
    }
    QToolButton* ButtonOf(QAction* action) const {
        return qobject_cast<QToolButton*>(bar->widgetForAction(action));
    }
    // The first button, hot, on the bar showing its buttons in `style`.
    QImage HotButton(Qt::ToolButtonStyle style) {
        bar->setToolButtonStyle(style);
        QApplication::processEvents();  // the bar lays its buttons out again
        Enter(ButtonOf(one));
        return Grab(ButtonOf(one));
    }
    void Reload(const SkinElements& changes) {
        engine->SetSkinData(ControlProbeSkin(changes));
        QApplication::processEvents();
    }

    QToolBar* bar = nullptr;
    QAction* one = nullptr;
    QAction* two = nullptr;
};

TEST_F(ToolBars, TheBackgroundIsThePictureOrTheGradientOrTheStartColour) {
    EXPECT_EQ(PixelAt(Grab(bar), 340, 20), Q(kToolBar));
    Reload({SkinElement::Integer("SKIN2_TOOLBARENDCOLOR", kToolBarEnd)});
    const QImage gradient = Grab(bar);
    EXPECT_EQ(PixelAt(gradient, 340, 0), Q(kToolBar));
    EXPECT_EQ(PixelAt(gradient, 340, 47), Q(kToolBarEnd));
    Reload({Picture("SKIN2_TOOLBAR", FrameStrip(QSize(4, 4), {kToolBarPicture}))});
    EXPECT_EQ(PixelAt(Grab(bar), 340, 20), Q(kToolBarPicture));
}

TEST_F(ToolBars, HotHeldAndCheckedButtonsTakeTheSkinsLooks) {
    QToolButton* button = ButtonOf(one);
    EXPECT_EQ(CountColour(Grab(button), Q(kToolBarBorder)), 0);  // drawn by itself
    Enter(button);
    QImage shot = Grab(button);
    EXPECT_EQ(PixelAt(shot, 0, 0), Q(kToolBarBorder));
    EXPECT_EQ(PixelAt(shot, 1, 1), Q(kToolBarOn));
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(PixelAt(Grab(button), 1, 1), Q(kToolBarDown));
    QTest::mouseRelease(button, Qt::LeftButton);
    two->setChecked(true);
    EXPECT_EQ(PixelAt(Grab(ButtonOf(two)), 1, 1), Q(kToolBarOn));
}

TEST_F(ToolBars, AListBarPutsTheCaptionBesideTheImage) {
    const QImage shot = HotButton(Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(BoundsOf(shot, kImage), QRect(5, 3, 16, 16));
    const QRect caption = BoundsOf(shot, kCaption);
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_GE(caption.left(), 16 + 7);
}

TEST_F(ToolBars, OtherwiseTheCaptionIsCentredUnderTheImage) {
    const QImage shot = HotButton(Qt::ToolButtonTextUnderIcon);
    const int width = shot.width();
    EXPECT_EQ(BoundsOf(shot, kImage), QRect((width - 16) / 2, 3, 16, 16));
    const QRect caption = BoundsOf(shot, kCaption);
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_GE(caption.top(), 16 + 4);
    EXPECT_LE(std::abs(caption.left() - (width - 1 - caption.right())), 2);
}

TEST_F(ToolBars, ADropDownButtonShowsItsMarkOnlyWhileHot) {
    QMenu menu;
    menu.addAction("Item");
    two->setMenu(&menu);
    QToolButton* button = ButtonOf(two);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    const int part = DropDownPartLeft(*button);
    const int centre = part + (button->width() - part) / 2;
    const int middle = button->height() / 2;
    Enter(button);
    QImage shot = Grab(button);
    EXPECT_EQ(PixelAt(shot, part, 2), Q(kToolBarBorder));
    EXPECT_EQ(PixelAt(shot, centre, middle + 2), QColor(Qt::black));
    Leave(button);
    two->setChecked(true);
    shot = Grab(button);
    EXPECT_EQ(PixelAt(shot, part, 2), Q(kToolBarOn));
    EXPECT_EQ(PixelAt(shot, centre, middle + 2), Q(kToolBarOn));
}

TEST_F(ToolBars, AClickTriggersTheActionOnce) {
    QSignalSpy triggered(one, &QAction::triggered);
    QTest::mouseClick(ButtonOf(one), Qt::LeftButton);
    EXPECT_EQ(triggered.count(), 1);
}

TEST_F(ToolBars, SwitchingTheSkinOffGivesTheBarItsOwnStyleAndDrawing) {
    EXPECT_NE(bar->style(), QApplication::style());
    engine->SetActive(false);
    EXPECT_EQ(bar->style(), QApplication::style());
    EXPECT_FALSE(bar->testAttribute(Qt::WA_SetStyle));
    QToolButton* button = ButtonOf(one);
    Enter(button);
    EXPECT_EQ(CountColour(Grab(button), Q(kToolBarOn)), 0);
    EXPECT_EQ(CountColour(Grab(bar), Q(kToolBar)), 0);
}

}  // namespace
}  // namespace skin::test
