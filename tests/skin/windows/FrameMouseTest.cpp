#include <gtest/gtest.h>

#include <QMenu>
#include <QScreen>

#include "FrameFixture.h"
#include "support/WaitFor.h"

namespace skin::test {
namespace {

using namespace probe;
using plivant::test::WaitFor;
using FrameMouse = FrameFixture;

const QPoint kCaption(100, 20);

// Drags with the left button from `from` by `by`, releasing where the mouse went, as the window
// may have moved under it meanwhile.
void Drag(QWindow* handle, const QPoint& from, const QPoint& by) {
    const QPoint target = handle->mapToGlobal(from + by);
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    QTest::mouseMove(handle, from + by);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->mapFromGlobal(target));
}

TEST_F(FrameMouse, ReleaseOverCloseClosesWhereverThePressWas) {
    QTest::mousePress(Handle(), Qt::LeftButton, {}, Centre(caption::kMinimize));
    QTest::mouseMove(Handle(), Centre(caption::kClose));
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, Centre(caption::kClose));
    EXPECT_TRUE(WaitFor([&] { return !window->isVisible(); }));
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(FrameMouse, APressOnCloseReleasedElsewhereDoesNothing) {
    QTest::mousePress(Handle(), Qt::LeftButton, {}, Centre(caption::kClose));
    EXPECT_TRUE(Skin().ButtonPressed());
    QTest::mouseMove(Handle(), kCaption);
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, kCaption);
    plivant::test::Pump(std::chrono::milliseconds(20));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(Skin().ButtonPressed());
    EXPECT_EQ(Skin().HotButton(), caption::kNone);
}

TEST_F(FrameMouse, DoubleClicksMaximiseRestoreAndClose) {
    const QPoint border(1, H() / 2);
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, border);
    plivant::test::Pump(std::chrono::milliseconds(20));
    EXPECT_FALSE(window->isMaximized());
    EXPECT_TRUE(window->isVisible());

    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, kCaption);
    ASSERT_TRUE(WaitFor([&] { return window->isMaximized(); }));
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, kCaption);
    ASSERT_TRUE(WaitFor([&] { return !window->isMaximized(); }));

    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, QPoint(kIconPosX + 8, kIconPosY + 8));
    EXPECT_TRUE(WaitFor([&] { return !window->isVisible(); }));
    EXPECT_FALSE(engine->SystemMenu()->isVisible());
}

TEST_F(FrameMouse, TheIconAndARightClickOpenTheSystemMenu) {
    QMenu* menu = engine->SystemMenu();
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, QPoint(kIconPosX + 8, kIconPosY + 8));
    ASSERT_TRUE(WaitFor([&] { return menu->isVisible(); }));
    EXPECT_EQ(engine->SysMenuOwner(), &Skin());
    EXPECT_EQ(menu->pos(), window->mapToGlobal(QPoint(kBorder, kTitleHeight)));
    const QList<QAction*> items = menu->actions();
    EXPECT_TRUE(items[0]->isEnabled() && items[1]->isEnabled() && items[3]->isEnabled());
    menu->hide();

    QTest::keyClick(window.get(), Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([&] { return menu->isVisible(); }));
    menu->hide();

    window->setFixedSize(window->size());  // no longer resizable: no maximise button
    QTest::mouseClick(Handle(), Qt::RightButton, {}, kCaption);
    ASSERT_TRUE(WaitFor([&] { return menu->isVisible(); }));
    EXPECT_EQ(menu->pos(), window->mapToGlobal(kCaption));
    EXPECT_FALSE(items[1]->isEnabled());
    items[3]->trigger();
    EXPECT_TRUE(WaitFor([&] { return !window->isVisible(); }));
}

TEST_F(FrameMouse, DraggingTheCaptionMovesTheWindowUnlessMaximised) {
    const QPoint start = window->pos();
    Drag(Handle(), kCaption, QPoint(30, 20));
    EXPECT_EQ(window->pos(), start + QPoint(30, 20));
    EXPECT_FALSE(Skin().ButtonPressed());

    window->showMaximized();
    const QRect area = window->screen()->availableGeometry();
    ASSERT_TRUE(WaitFor([&] { return window->isMaximized() && window->geometry() == area; }));
    const QPoint maximized = window->pos();
    Drag(Handle(), kCaption, QPoint(30, 20));
    EXPECT_EQ(window->pos(), maximized);
}

TEST_F(FrameMouse, BordersAndCornersResizeWithinTheLimits) {
    window->setMinimumSize(150, 100);
    const QRect start = window->geometry();
    const QPoint corner(W() - 2, H() - 2);
    EXPECT_EQ(Skin().Geometry().HitTest(corner).Edges, Qt::RightEdge | Qt::BottomEdge);
    Drag(Handle(), corner, QPoint(40, 25));
    EXPECT_EQ(window->geometry(), start.adjusted(0, 0, 40, 25));

    // The left edge's zone reaches over the contents.
    const QPoint left(FrameGeometry::kResizeGrace - 1, H() / 2);
    ASSERT_GE(left.x(), kBorder);
    EXPECT_EQ(Skin().Geometry().HitTest(left).Edges, Qt::LeftEdge);
    const QRect before = window->geometry();
    Drag(Handle(), left, QPoint(500, 0));
    EXPECT_EQ(window->width(), 150);
    EXPECT_EQ(window->geometry().right(), before.right());
}

}  // namespace
}  // namespace skin::test
