#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QFontComboBox>
#include <QSpinBox>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QTimeEdit>

#include "ScrollingProbe.h"
#include "skin/controls/TSkinComboBox.h"
#include "skin/controls/TSkinDateTimePicker.h"
#include "skin/controls/TSkinUpDown.h"
#include "support/WaitFor.h"

namespace skin::test::scrolling {
namespace {

using plivant::test::WaitFor;
using Fields = ScrollingFixture;

constexpr ColorRef kBlack = 0x00000000;
constexpr ColorRef kGrey = 0x00808080;
constexpr ColorRef kWhite = 0x00FFFFFF;

// A part as the style places it, kept inside the 2-pixel border.
QRect Inside(const QWidget* widget, const QRect& part) {
    return part & widget->rect().adjusted(2, 2, -2, -2);
}

QRect DropButton(const QWidget* widget, bool editable) {
    QStyleOptionComboBox option;
    option.initFrom(widget);
    option.editable = editable;
    option.subControls = QStyle::SC_All;
    return Inside(widget, widget->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxArrow, widget));
}

QRect SpinButton(const QAbstractSpinBox* spin, QStyle::SubControl part) {
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.buttonSymbols = spin->buttonSymbols();
    option.frame = spin->hasFrame();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField |
                         QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    return Inside(spin, spin->style()->subControlRect(QStyle::CC_SpinBox, &option, part, spin));
}

QImage Shot(QWidget* widget) { return widget->grab().toImage(); }

// The flat border: the border colour outside, the field's colour inside.
void ExpectBorder(const QWidget* widget, const QImage& image) {
    const QPalette::ColorGroup group = widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
    EXPECT_EQ(At(image, {0, 0}), Q(kBorder));
    EXPECT_EQ(At(image, {widget->width() - 1, widget->height() / 2}), Q(kBorder));
    EXPECT_EQ(At(image, {1, widget->height() / 2}), widget->palette().color(group, QPalette::Base));
}

// The drop button: control colour, the border colour along its left edge and a down arrow in
// its middle, black or grey over a white shadow.
void ExpectDropButton(const QImage& image, const QRect& button, bool enabled) {
    EXPECT_EQ(At(image, button.topLeft() + QPoint(2, 1)), Q(kControl));
    EXPECT_EQ(At(image, {button.left(), button.center().y()}), Q(kBorder));
    const int x = button.left() + button.width() / 2 - 3;
    const int y = button.top() + button.height() / 2 - 2;
    EXPECT_EQ(At(image, {x + 3, y + 3}), Q(enabled ? kBlack : kGrey));
    EXPECT_EQ(At(image, {x + 7, y + 1}), Q(enabled ? kControl : kWhite));
}

TEST_F(Fields, ComboBoxesGetTheFlatBorderAndTheSkinnedDropButton) {
    struct Case {
        bool Editable, Enabled;
    };
    const Case cases[] = {{false, true}, {true, true}, {false, false}, {true, false}};
    std::vector<QComboBox*> combos;
    int y = 5;
    for (const Case& c : cases) {
        auto* combo = Add(new QComboBox, QRect(5, y, 160, 26));
        combo->addItems({"Russian", "English"});
        combo->setEditable(c.Editable);
        combo->setEnabled(c.Enabled);
        combos.push_back(combo);
        y += 30;
    }
    SkinAndShow();
    for (size_t i = 0; i < combos.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(dynamic_cast<TSkinComboBox*>(SkinnerOf(combos[i])), nullptr);
        const QImage image = Shot(combos[i]);
        ExpectBorder(combos[i], image);
        ExpectDropButton(image, DropButton(combos[i], cases[i].Editable), cases[i].Enabled);
    }
}

TEST_F(Fields, AComboBoxOpensItsFramedListByMouseAndKeys) {
    auto* combo = Add(new QComboBox, QRect(5, 5, 160, 26));
    combo->addItems({"Russian", "English", "German"});
    SkinAndShow();
    QWidget* list = combo->view();
    QTest::mouseClick(combo, Qt::LeftButton, {}, DropButton(combo, false).center());
    ASSERT_TRUE(WaitFor([&] { return list->isVisible(); }));
    const QImage popup = Shot(list->window());
    EXPECT_EQ(At(popup, {0, 0}), Q(kBorder));
    EXPECT_EQ(At(popup, {popup.width() - 1, popup.height() / 2}), Q(kBorder));
    combo->hidePopup();
    ASSERT_TRUE(WaitFor([&] { return !list->isVisible(); }));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 1);
    QTest::keyClick(combo, Qt::Key_F4);
    EXPECT_TRUE(WaitFor([&] { return list->isVisible(); }));
    combo->hidePopup();
}

TEST_F(Fields, AFontComboBoxIsAComboBoxToo) {
    auto* fonts = Add(new QFontComboBox, QRect(5, 5, 200, 26));
    SkinAndShow();
    EXPECT_NE(dynamic_cast<TSkinComboBoxEx*>(SkinnerOf(fonts)), nullptr);
    ExpectDropButton(Shot(fonts), DropButton(fonts, true), true);
}

// The top-left corner of the down arrow of a spin button, before it moves when held.
QPoint DownArrowCorner(const QRect& half) {
    return {half.left() + (half.width() - 6) / 2, half.top() + (half.height() - 6) / 2 + 1};
}

TEST_F(Fields, SpinButtonsAreFlatAndTheHeldOneShowsTheToolBarDownColour) {
    auto* spin = Add(new QSpinBox, QRect(5, 5, 100, 30));
    spin->setRange(0, 100);
    spin->setValue(50);
    SkinAndShow();
    EXPECT_NE(dynamic_cast<TSkinUpDown*>(SkinnerOf(spin)), nullptr);
    const QRect up = SpinButton(spin, QStyle::SC_SpinBoxUp);
    const QRect down = SpinButton(spin, QStyle::SC_SpinBoxDown);
    ASSERT_GE(down.height(), 8);
    QImage image = Shot(spin);
    ExpectBorder(spin, image);
    for (const QRect& half : {up, down}) {
        EXPECT_EQ(At(image, half.topLeft()), Q(kToolBorder));
        EXPECT_EQ(At(image, half.bottomRight()), Q(kToolBorder));
        EXPECT_EQ(At(image, half.topLeft() + QPoint(1, 1)), Q(probe::kForm));
    }
    const QPoint arrow = DownArrowCorner(down);
    EXPECT_EQ(At(image, arrow), Q(kBlack));
    QTest::mousePress(spin, Qt::LeftButton, {}, down.center());
    EXPECT_EQ(spin->value(), 49);
    image = Shot(spin);
    EXPECT_EQ(At(image, down.topLeft() + QPoint(1, 1)), Q(kToolDown));
    EXPECT_EQ(At(image, up.topLeft() + QPoint(1, 1)), Q(probe::kForm));
    EXPECT_EQ(At(image, arrow), Q(kToolDown));  // the arrow moved one pixel right and down
    EXPECT_EQ(At(image, arrow + QPoint(1, 1)), Q(kBlack));
    QTest::mouseRelease(spin, Qt::LeftButton, {}, down.center());
    EXPECT_EQ(At(Shot(spin), down.topLeft() + QPoint(1, 1)), Q(probe::kForm));
    EXPECT_EQ(spin->value(), 49);
}

TEST_F(Fields, SpinBoxesStillStepByMouseAndKeys) {
    auto* spin = Add(new QSpinBox, QRect(5, 5, 100, 30));
    spin->setRange(0, 100);
    spin->setValue(50);
    SkinAndShow();
    QTest::mouseClick(spin, Qt::LeftButton, {}, SpinButton(spin, QStyle::SC_SpinBoxUp).center());
    EXPECT_EQ(spin->value(), 51);
    QTest::mouseClick(spin, Qt::LeftButton, {}, SpinButton(spin, QStyle::SC_SpinBoxDown).center());
    EXPECT_EQ(spin->value(), 50);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->value(), 51);
    QTest::keyClick(spin, Qt::Key_PageUp);
    EXPECT_EQ(spin->value(), 61);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->value(), 60);
}

TEST_F(Fields, DateAndTimeEditorsShowADropButtonOrSpinButtons) {
    auto* calendar = Add(new QDateEdit(QDate(2024, 3, 15)), QRect(5, 5, 150, 28));
    calendar->setCalendarPopup(true);
    auto* time = Add(new QTimeEdit(QTime(12, 30)), QRect(5, 40, 150, 28));
    auto* native = Add(new QDateEdit(QDate(2024, 3, 15)), QRect(5, 75, 150, 28));
    native->setProperty("tag", TSkinDateTimePicker::kNativeSpinTag);
    SkinAndShow();
    auto* calendarSkinner = dynamic_cast<TSkinDateTimePicker*>(SkinnerOf(calendar));
    auto* timeSkinner = dynamic_cast<TSkinDateTimePicker*>(SkinnerOf(time));
    ASSERT_TRUE(calendarSkinner && timeSkinner);
    EXPECT_TRUE(calendarSkinner->UsesDropDown());
    EXPECT_FALSE(timeSkinner->UsesDropDown());
    ExpectDropButton(Shot(calendar), DropButton(calendar, true), true);
    const QRect up = SpinButton(time, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(At(Shot(time), up.topLeft() + QPoint(1, 1)), Q(probe::kForm));
    // Tagged: its own spin buttons inside the skin's border.
    const QImage nativeShot = Shot(native);
    ExpectBorder(native, nativeShot);
    EXPECT_EQ(CountColour(nativeShot, Q(probe::kForm), SpinButton(native, QStyle::SC_SpinBoxUp)),
              0);
    EXPECT_EQ(CountColour(nativeShot, Q(kToolBorder), SpinButton(native, QStyle::SC_SpinBoxUp)), 0);
    QTest::mouseClick(calendar, Qt::LeftButton, {}, DropButton(calendar, true).center());
    EXPECT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    time->setFocus();
    QTest::keyClick(time, Qt::Key_Up);
    EXPECT_EQ(time->time(), QTime(13, 30));
}

TEST_F(Fields, SwitchingTheSkinOffGivesTheFieldsTheirOwnLookBack) {
    auto* combo = Add(new QComboBox, QRect(5, 5, 150, 26));
    auto* spin = Add(new QSpinBox, QRect(5, 40, 150, 26));
    auto* date = Add(new QDateEdit, QRect(5, 75, 150, 26));
    SkinAndShow();
    const std::vector<QWidget*> fields = {combo, spin, date};
    engine->SetActive(false);
    for (QWidget* field : fields) {
        EXPECT_EQ(field->style(), QApplication::style());
        EXPECT_FALSE(field->testAttribute(Qt::WA_SetStyle));
        EXPECT_NE(At(Shot(field), {0, 0}), Q(kBorder));
    }
    engine->SetActive(true);
    for (QWidget* field : fields) EXPECT_EQ(At(Shot(field), {0, 0}), Q(kBorder));
}

}  // namespace
}  // namespace skin::test::scrolling
