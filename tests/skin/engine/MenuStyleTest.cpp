#include <gtest/gtest.h>

#include <QCommonStyle>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include "ProbePixels.h"
#include "ProbeSkin.h"
#include "skin/engine/MenuItemPainter.h"
#include "skin/engine/TSkinEngine.h"

namespace skin::test {
namespace {

using menuitem::kDisabledText;

// Menu items measured and painted with the probe skin's colours.
struct MenuStyle : ::testing::Test {
    void SetUp() override { engine.SetSkinData(ProbeSkin()); }

    QStyleOptionMenuItem Item(const QString& text, QStyle::State state = QStyle::State_Enabled) {
        QStyleOptionMenuItem option;
        option.text = text;
        option.state = state;
        option.rect = QRect(0, 0, 200, 21);
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.checkType = QStyleOptionMenuItem::NotCheckable;
        return option;
    }
    QImage Paint(const QStyleOptionMenuItem& option) {
        QImage image(option.rect.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        DrawMenuItem(painter, option, engine.Skin().Menus());
        return image;
    }

    QWidget form;
    TSkinEngine engine{&form};
};

TEST_F(MenuStyle, ItemsAreMeasuredFromTheirTexts) {
    const QFontMetrics metrics(engine.Skin().Menus().Font);
    QStyleOptionMenuItem separator = Item(QString());
    separator.menuItemType = QStyleOptionMenuItem::Separator;
    EXPECT_EQ(MeasureMenuItem(separator, engine.Skin().Menus()).height(), 5);
    const QSize plain = MeasureMenuItem(Item("&Open\tCtrl+O"), engine.Skin().Menus());
    EXPECT_EQ(plain.height(), std::max(metrics.height(), 21));
    EXPECT_EQ(plain.width(),
              metrics.horizontalAdvance("Open") + metrics.horizontalAdvance("Ctrl+O") + 66);

    // A tiny font still gives 21 pixels.
    MenuLook tiny = engine.Skin().Menus();
    tiny.Font.setPixelSize(6);
    EXPECT_EQ(MeasureMenuItem(Item("x"), tiny).height(), 21);
}

TEST_F(MenuStyle, MenusMeasuredThroughTheStyle) {
    QMenu menu;
    QAction* open = menu.addAction("Open");
    QAction* line = menu.addSeparator();
    menu.addAction("Close");
    engine.OwnerDrawMenu(&menu);
    menu.popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    EXPECT_EQ(menu.actionGeometry(line).height(), 5);
    EXPECT_GE(menu.actionGeometry(open).height(), 21);
    menu.setActiveAction(open);
    const QImage shot = menu.grab().toImage();
    const QRect item = menu.actionGeometry(open);
    EXPECT_EQ(shot.pixelColor(item.x() + 28, item.center().y()),
              Q(probe::kMenu[menucolors::Selected]));
    EXPECT_EQ(shot.pixelColor(item.topLeft()), Q(probe::kMenu[menucolors::SelectedBorder]));
    menu.hide();
}

TEST_F(MenuStyle, PlainSelectedAndDisabledItems) {
    const QImage plain = Paint(Item("Item"));
    EXPECT_EQ(plain.pixelColor(0, 10), Q(probe::kMenu[menucolors::LeftBarStart]));
    EXPECT_EQ(plain.pixelColor(25, 10), Q(probe::kMenu[menucolors::LeftBarEnd]));
    EXPECT_EQ(plain.pixelColor(190, 10), Q(probe::kMenu[menucolors::Item]));
    EXPECT_GT(CountColour(plain, Q(probe::kMenu[menucolors::ItemFont])), 0);

    const QImage selected = Paint(Item("Item", QStyle::State_Enabled | QStyle::State_Selected));
    EXPECT_EQ(selected.pixelColor(5, 10), Q(probe::kMenu[menucolors::Selected]));
    EXPECT_EQ(selected.pixelColor(0, 0), Q(probe::kMenu[menucolors::SelectedBorder]));
    EXPECT_EQ(selected.pixelColor(199, 20), Q(probe::kMenu[menucolors::SelectedBorder]));
    EXPECT_GT(CountColour(selected, Q(probe::kMenu[menucolors::SelectedFont])), 0);

    // Selected but disabled looks unselected, with grey text.
    const QImage disabled = Paint(Item("Item", QStyle::State_Selected));
    EXPECT_EQ(disabled.pixelColor(190, 10), Q(probe::kMenu[menucolors::Item]));
    EXPECT_EQ(CountColour(disabled, Q(probe::kMenu[menucolors::Selected])), 0);
    EXPECT_GT(CountColour(disabled, Q(kDisabledText)), 0);
}

TEST_F(MenuStyle, SeparatorAndCheckMarks) {
    QStyleOptionMenuItem separator = Item(QString());
    separator.menuItemType = QStyleOptionMenuItem::Separator;
    separator.rect = QRect(0, 0, 200, 5);
    const QImage line = Paint(separator);
    EXPECT_EQ(line.pixelColor(40, 2), Q(menuitem::kSeparatorLine));
    EXPECT_EQ(line.pixelColor(40, 1), Q(probe::kMenu[menucolors::Item]));
    EXPECT_EQ(line.pixelColor(0, 2), Q(probe::kMenu[menucolors::LeftBarStart]));

    QStyleOptionMenuItem checked = Item("Checked");
    checked.checkType = QStyleOptionMenuItem::NonExclusive;
    checked.checked = true;
    // The skin's check mark at (4, 3); its inner square starts 4 pixels in.
    EXPECT_EQ(Paint(checked).pixelColor(4 + 4, 3 + 4), Q(probe::kCheck));

    QPixmap picture(16, 16);
    picture.fill(Qt::green);
    checked.icon = QIcon(picture);
    const QImage boxed = Paint(checked);
    EXPECT_EQ(boxed.pixelColor(2, 1), QColor(Qt::black));
    EXPECT_EQ(boxed.pixelColor(3, 2), Q(probe::kMenu[menucolors::Item]));
    EXPECT_EQ(boxed.pixelColor(8, 8), QColor(Qt::green));
}

TEST_F(MenuStyle, RestoreGivesTheMenuItsOwnStyleBack) {
    QMenu plain;
    QMenu styled;
    QCommonStyle own;
    styled.setStyle(&own);
    QMenu* sub = plain.addMenu("Sub");
    for (QMenu* menu : {&plain, &styled}) engine.OwnerDrawMenu(menu);
    EXPECT_TRUE(engine.IsOwnerDrawn(sub));
    EXPECT_NE(plain.style(), QApplication::style());
    engine.OwnerDrawMenu(&plain);  // twice: the earlier style is still the menu's own
    engine.RestoreMenu(&plain);
    engine.RestoreMenu(&styled);
    EXPECT_EQ(plain.style(), QApplication::style());
    EXPECT_FALSE(plain.testAttribute(Qt::WA_SetStyle));
    EXPECT_EQ(sub->style(), QApplication::style());
    EXPECT_EQ(styled.style(), &own);
}

}  // namespace
}  // namespace skin::test
