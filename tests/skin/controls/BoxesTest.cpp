#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QSizeGrip>
#include <QStatusBar>
#include <QStyleOptionGroupBox>

#include "ControlProbe.h"

namespace skin::test {
namespace {

using namespace ctl;

struct Boxes : ControlFixture {
    void SetUp() override {
        ControlFixture::SetUp();
        ASSERT_TRUE(Show());
    }
    template <typename W>
    W* Place(W* widget, const QRect& place) {
        widget->setGeometry(place);
        widget->show();
        return widget;
    }
};

TEST_F(Boxes, AStatusBarGripIsFourSkinLinesOnTheBarsColour) {
    auto* bar = Place(new QStatusBar(form.get()), QRect(0, 200, 300, 22));
    Skin();
    QApplication::processEvents();
    ASSERT_TRUE(bar->findChild<QSizeGrip*>()->isVisible());
    const QImage shot = Grab(bar);
    const int w = bar->width(), h = bar->height();
    const QColor line(bar->palette().color(QPalette::Dark).rgb());
    const QRect grip(w - 16, h - 15, 16, 15);
    EXPECT_EQ(CountColour(shot, line, grip), 14 + 10 + 6 + 2);
    EXPECT_EQ(CountColour(shot, Q(probe::kForm), grip) + CountColour(shot, line, grip),
              16 * 15);  // nothing of the grip's own drawing is left
    EXPECT_EQ(PixelAt(shot, w - 15, h - 1), line);
    EXPECT_EQ(PixelAt(shot, w - 2, h - 14), line);
    EXPECT_EQ(PixelAt(shot, w - 10, h - 10), Q(probe::kForm));
}

TEST_F(Boxes, AStatusBarWithoutGripIsNotChanged) {
    auto* bar = Place(new QStatusBar(form.get()), QRect(0, 180, 300, 22));
    auto* own = Place(new QStatusBar(form.get()), QRect(0, 210, 300, 22));
    for (QStatusBar* each : {bar, own}) {
        each->setSizeGripEnabled(false);
        each->showMessage("Ready");
    }
    own->setProperty("tag", 9999);
    Skin();
    EXPECT_EQ(Grab(bar), Grab(own));
}

struct GroupBoxes : Boxes {
    void SetUp() override {
        Boxes::SetUp();
        box = Place(new QGroupBox("Group", form.get()), QRect(10, 10, 150, 90));
        Skin();
        textHeight = box->fontMetrics().height();
        line = textHeight / 2 - 1;
        captionWidth = box->fontMetrics().horizontalAdvance("Group");
    }
    QGroupBox* box = nullptr;
    int textHeight = 0;
    int line = 0;
    int captionWidth = 0;
};

TEST_F(GroupBoxes, TheFrameIsInTheBorderColourFromHalfTheCaptionDown) {
    const QImage shot = Grab(box);
    const QColor border = Q(kControlBorder);
    EXPECT_EQ(PixelAt(shot, 2, line), border);
    EXPECT_EQ(PixelAt(shot, 148, line), border);
    EXPECT_EQ(PixelAt(shot, 0, 50), border);
    EXPECT_EQ(PixelAt(shot, 148, 50), border);
    EXPECT_EQ(PixelAt(shot, 70, 88), border);
    EXPECT_NE(PixelAt(shot, 149, 50), border);  // the last column and row stay the parent's
    EXPECT_NE(PixelAt(shot, 70, 89), border);
    EXPECT_NE(PixelAt(shot, 2, line - 1), border);
}

TEST_F(GroupBoxes, TheCaptionHidesTheLineBehindIt) {
    const QImage shot = Grab(box);
    EXPECT_EQ(CountColour(shot, Q(kControlBorder), QRect(8, line, captionWidth, 1)), 0);
    EXPECT_EQ(PixelAt(shot, 7, line), Q(kControlBorder));
    EXPECT_GT(CountColour(shot, Q(kControlFont), QRect(8, 0, captionWidth, textHeight)), 0);
    box->setTitle("");
    EXPECT_EQ(CountColour(Grab(box), Q(kControlBorder), QRect(0, line, 149, 1)), 149);
}

TEST_F(GroupBoxes, ACheckableBoxKeepsItsCheckBox) {
    box->setCheckable(true);
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.subControls = QStyle::SC_GroupBoxCheckBox | QStyle::SC_GroupBoxLabel;
    option.text = box->title();
    const QRect check = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                     QStyle::SC_GroupBoxCheckBox, box);
    ASSERT_TRUE(check.isValid());
    const QImage shot = Grab(box);
    EXPECT_LT(CountColour(shot, Q(probe::kForm), check), check.width() * check.height());
    QTest::mouseClick(box, Qt::LeftButton, {}, check.center());
    EXPECT_FALSE(box->isChecked());
}

TEST_F(Boxes, LabelsTakeTheControlFontColourUnlessTheyHaveTheirOwn) {
    auto* plain = Place(new QLabel("Plain", form.get()), QRect(10, 10, 80, 20));
    auto* red = Place(new QLabel("Red", form.get()), QRect(10, 40, 80, 20));
    QPalette palette = red->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    red->setPalette(palette);
    Skin();
    EXPECT_EQ(plain->palette().color(QPalette::WindowText), Q(kControlFont));
    EXPECT_GT(CountColour(Grab(plain), Q(kControlFont)), 0);
    EXPECT_EQ(red->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(Boxes, APanelShowsItsParentsColourWhileSkinned) {
    auto* panel = Place(new QFrame(form.get()), QRect(10, 10, 80, 40));
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    Skin();
    EXPECT_EQ(PixelAt(Grab(panel), 40, 20), Q(probe::kForm));
    engine->SetActive(false);
    EXPECT_EQ(PixelAt(Grab(panel), 40, 20), QColor(Qt::yellow));
    engine->SetActive(true);
    EXPECT_EQ(PixelAt(Grab(panel), 40, 20), Q(probe::kForm));
}

}  // namespace
}  // namespace skin::test
