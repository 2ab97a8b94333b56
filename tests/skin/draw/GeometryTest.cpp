#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "skin/draw/SystemFonts.h"
#include "skin/draw/WorkArea.h"

namespace skin {
namespace {

TEST(GetWorkArea, IsTheScreensAvailableAreaOnePixelShorter) {
    QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    const QRect available = primary->availableGeometry();
    const QRect expected(available.x(), available.y(), available.width(), available.height() - 1);
    EXPECT_EQ(GetWorkArea(), expected);
    QWidget widget;
    widget.setGeometry(available.x() + 10, available.y() + 10, 50, 50);
    EXPECT_EQ(GetWorkArea(&widget), expected);
}

TEST(SystemFonts, TakeTheApplicationsMenuFontAndTextColour) {
    QFont menuFont("DejaVu Serif");
    menuFont.setPixelSize(17);
    QApplication::setFont(menuFont, "QMenu");
    QFont font;
    QColor colour;
    AssignMenuFont(font, &colour);
    EXPECT_EQ(font, menuFont);
    EXPECT_TRUE(colour.isValid());
    QFont caption("Unchanged");
    AssignCaptionFont(caption);
    EXPECT_NE(caption.family(), "Unchanged");
}

}  // namespace
}  // namespace skin
