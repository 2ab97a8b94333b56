#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>

#include "ControlProbe.h"
#include "skin/controls/TSkinSpeedButton.h"
#include "skin/controls/ToolButtonParts.h"

namespace skin::test {
namespace {

using namespace ctl;

const QColor kCaption(0x20, 0xA0, 0x20);

struct ToolButtons : ControlFixture {
    void SetUp() override {
        ControlFixture::SetUp();
        ASSERT_TRUE(Show());
    }
    QToolButton* Make(const QString& text, int top) {
        auto* button = new QToolButton(form.get());
        button->setText(text);
        button->setGeometry(10, top, 70, 24);
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, kCaption);
        button->setPalette(palette);
        button->show();
        Skin();
        return button;
    }
    static QRect Caption(const QImage& shot) { return BoundsOf(shot, kCaption); }
};

TEST_F(ToolButtons, AToolButtonAloneIsFilledByItsState) {
    const struct {
        const char* Name;
        std::function<void(QToolButton*)> Make;
        QColor Fill;
        QColor Edge;
    } cases[] = {
        {"normal", [](QToolButton*) {}, Q(probe::kForm), Q(probe::kForm)},
        {"hot", [](QToolButton* b) { Enter(b); }, Q(kToolBarOn), Q(kToolBarBorder)},
        {"held", [](QToolButton* b) { QTest::mousePress(b, Qt::LeftButton); }, Q(kToolBarDown),
         Q(kToolBarBorder)},
        {"checked",
         [](QToolButton* b) {
             b->setCheckable(true);
             b->setChecked(true);
         },
         Q(kToolBarDown), Q(kToolBarBorder)},
        {"disabled and hot",
         [](QToolButton* b) {
             b->setEnabled(false);
             Enter(b);
         },
         Q(probe::kForm), Q(probe::kForm)},
    };
    int top = 10;
    for (const auto& c : cases) {
        QToolButton* button = Make("", top += 30);
        c.Make(button);
        const QImage shot = Grab(button);
        EXPECT_EQ(PixelAt(shot, 3, 3), c.Fill) << c.Name;
        EXPECT_EQ(PixelAt(shot, 0, 0), c.Edge) << c.Name;
        EXPECT_EQ(PixelAt(shot, 69, 23), c.Edge) << c.Name;
    }
}

TEST_F(ToolButtons, ACaptionIsCentredAndMovesWithThePress) {
    QToolButton* button = Make("Tool", 10);
    const QRect still = Caption(Grab(button));
    ASSERT_FALSE(still.isEmpty());
    EXPECT_LE(std::abs((still.left() - 0) - (69 - still.right())), 2);
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(Caption(Grab(button)), still.translated(1, 1));
    button->setEnabled(false);
    EXPECT_GT(CountColour(Grab(button), QColor(0x80, 0x80, 0x80)), 0);
}

TEST_F(ToolButtons, ClicksStayTheButtonsOwn) {
    QToolButton* button = Make("Tool", 10);
    QSignalSpy clicked(button, &QToolButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(ToolButtons, AButtonTaggedForItsOwnPaintingGetsOnlyAFlatFrame) {
    QToolButton* own = Make("Tool", 10);
    own->setProperty("tag", TSkinSpeedButton::kOwnPaintingTag);
    const QImage shot = Grab(own);
    const QColor face = own->palette().color(QPalette::Button);
    EXPECT_EQ(PixelAt(shot, 0, 12), Q(kControlBorder));
    EXPECT_EQ(PixelAt(shot, 1, 12), face);
    EXPECT_EQ(PixelAt(shot, 68, 12), face);
    EXPECT_EQ(PixelAt(shot, 30, 1), face);
    EXPECT_EQ(CountColour(shot, Q(probe::kForm), QRect(2, 2, 66, 20)), 0);
}

TEST_F(ToolButtons, ADropDownPartShowsItsLineAndArrow) {
    QToolButton* button = Make("Tool", 10);
    QMenu menu;
    menu.addAction("Item");
    button->setMenu(&menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    const int part = DropDownPartLeft(*button);
    ASSERT_LT(part, 70);
    const int centre = part + (70 - part) / 2;
    const QImage shot = Grab(button);
    EXPECT_EQ(PixelAt(shot, part, 3), Q(kToolBarBorder));
    EXPECT_EQ(PixelAt(shot, centre, 14), QColor(Qt::black));
    EXPECT_EQ(PixelAt(shot, centre - 2, 12), QColor(Qt::black));
    EXPECT_EQ(PixelAt(shot, centre - 2, 13), Q(probe::kForm));
}

TEST_F(ToolButtons, ToolButtonsThatArePartsOfOtherControlsAreLeftToThem) {
    auto* edit = new QLineEdit("Text", form.get());
    edit->setClearButtonEnabled(true);
    edit->show();
    Skin();
    auto* clear = edit->findChild<QToolButton*>();
    ASSERT_NE(clear, nullptr);
    EXPECT_EQ(FindSkinner(clear), nullptr);
}

}  // namespace
}  // namespace skin::test
