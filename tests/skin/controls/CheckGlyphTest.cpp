#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionButton>

#include "ControlProbe.h"
#include "skin/controls/TSkinCheckBox.h"

namespace skin::test {
namespace {

using namespace ctl;

struct CheckGlyphs : ControlFixture {
    void SetUp() override {
        ControlFixture::SetUp();
        box = new QCheckBox("Check", form.get());
        box->setGeometry(10, 10, 120, 24);
        box->setTristate(true);
        radio = new QRadioButton("Radio", form.get());
        radio->setGeometry(10, 40, 120, 24);
        other = new QRadioButton("Other", form.get());
        other->setGeometry(10, 70, 120, 24);
        Skin();
        ASSERT_TRUE(Show());
    }
    // Where the skin puts the glyph's top-left corner: on the control's own box.
    static QPoint GlyphAt(QAbstractButton* button, QStyle::SubElement box) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect r = button->style()->subElementRect(box, &option, button);
        return QPoint(r.x(), (button->height() - kGlyph) / 2);
    }
    static QColor GlyphCentre(QAbstractButton* button, QStyle::SubElement box) {
        return PixelAt(Grab(button), GlyphAt(button, box).x() + 7, GlyphAt(button, box).y() + 7);
    }
    static QColor GlyphCorner(QAbstractButton* button, QStyle::SubElement box) {
        return PixelAt(Grab(button), GlyphAt(button, box).x(), GlyphAt(button, box).y());
    }

    QCheckBox* box = nullptr;
    QRadioButton* radio = nullptr;
    QRadioButton* other = nullptr;
};

TEST_F(CheckGlyphs, ACheckBoxShowsTheFrameOfItsStateOverItsBox) {
    const struct {
        Qt::CheckState State;
        bool Enabled;
        int Frame;
    } cases[] = {{Qt::Checked, true, 1},           {Qt::PartiallyChecked, true, 2},
                 {Qt::Unchecked, true, 3},         {Qt::Checked, false, 4},
                 {Qt::PartiallyChecked, false, 5}, {Qt::Unchecked, false, 6}};
    for (const auto& c : cases) {
        box->setCheckState(c.State);
        box->setEnabled(c.Enabled);
        EXPECT_EQ(GlyphCentre(box, QStyle::SE_CheckBoxIndicator), Q(kCheck[c.Frame - 1]))
            << "frame " << c.Frame;
    }
    // Without the skin's transparency flag the glyph's transparent corner is drawn as it is.
    EXPECT_EQ(GlyphCorner(box, QStyle::SE_CheckBoxIndicator), Q(probe::kTrans));
}

TEST_F(CheckGlyphs, ARadioButtonShowsTheFrameOfItsStateWithItsCornerAlwaysTransparent) {
    const struct {
        bool Checked;
        bool Enabled;
        int Frame;
    } cases[] = {{true, true, 1}, {false, true, 2}, {true, false, 3}, {false, false, 4}};
    for (const auto& c : cases) {
        radio->setChecked(c.Checked);
        other->setChecked(!c.Checked);
        radio->setEnabled(c.Enabled);
        EXPECT_EQ(GlyphCentre(radio, QStyle::SE_RadioButtonIndicator), Q(kRadio[c.Frame - 1]))
            << "frame " << c.Frame;
        EXPECT_EQ(GlyphCorner(radio, QStyle::SE_RadioButtonIndicator), Q(probe::kForm));
    }
}

TEST_F(CheckGlyphs, TheSkinsFlagMakesTheCheckBoxGlyphTransparent) {
    engine->SetSkinData(ControlProbeSkin({SkinElement::Boolean("SKIN2_CHECKBOXTRANS", 1)}));
    EXPECT_EQ(GlyphCorner(box, QStyle::SE_CheckBoxIndicator), Q(probe::kForm));
}

TEST_F(CheckGlyphs, WithoutTheSkinsPictureTheControlKeepsItsOwnBox) {
    auto* own = new QCheckBox("Check", form.get());
    own->setGeometry(10, 100, 120, 24);
    own->setProperty("tag", 9999);
    engine->SetSkinData(ControlProbeSkin({}, {"SKIN2_CHECKBOX"}));
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect r = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    EXPECT_EQ(Grab(box).copy(r), Grab(own).copy(r));
}

TEST_F(CheckGlyphs, TextTakesTheControlFontColourButKeepsItsDisabledGrey) {
    const QColor grey = radio->palette().color(QPalette::Disabled, QPalette::WindowText);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{box, radio}) {
        EXPECT_EQ(button->palette().color(QPalette::Active, QPalette::WindowText), Q(kControlFont));
        EXPECT_GT(CountColour(Grab(button), Q(kControlFont)), 0);
    }
    EXPECT_EQ(radio->palette().color(QPalette::Disabled, QPalette::WindowText), grey);
}

TEST_F(CheckGlyphs, ClicksAndKeysStillSwitchThem) {
    const QPoint onBox(5, 12);
    QTest::mouseClick(box, Qt::LeftButton, {}, onBox);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->checkState(), Qt::Checked);
    QTest::mouseClick(radio, Qt::LeftButton, {}, onBox);
    QTest::mouseClick(other, Qt::LeftButton, {}, onBox);
    EXPECT_FALSE(radio->isChecked());
    EXPECT_TRUE(other->isChecked());
}

TEST_F(CheckGlyphs, ADoubleClickOnARadioButtonSelectsItOnce) {
    radio->setAutoExclusive(false);
    QSignalSpy toggled(radio, &QRadioButton::toggled);
    const QPointF at(5, 12);
    QTest::mouseClick(radio, Qt::LeftButton, {}, at.toPoint());
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, radio->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(radio, &twice);
    QTest::mouseRelease(radio, Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(toggled.count(), 1);
    EXPECT_TRUE(radio->isChecked());
}

}  // namespace
}  // namespace skin::test
