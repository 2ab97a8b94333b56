#include <gtest/gtest.h>

#include <QScreen>

#include "FrameFixture.h"
#include "ProbePixels.h"
#include "skin/values/FramePieces.h"
#include "skin/values/SkinValues.h"

namespace skin::test {
namespace {

using namespace probe;
using Frame = FrameFixture;

TEST_F(Frame, TheWindowGrowsByTheFrameAndKeepsItsClientSize) {
    EXPECT_EQ(window->size(), QSize(200 + 2 * kBorder, 100 + kTitleHeight + kBottomHeight));
    EXPECT_EQ(window->contentsRect().size(), QSize(200, 100));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(Frame, TitleBarAndBordersComeFromTheSkin) {
    const QImage shot = Shot();
    const int bottom = kTitleHeight - 2;
    EXPECT_EQ(shot.pixelColor(kTitle1Width - 2, bottom), Q(kTitle1));
    EXPECT_EQ(shot.pixelColor(W() - kTitle3Width - 5, bottom), Q(kTitle2));
    EXPECT_EQ(shot.pixelColor(W() - 10, bottom), Q(kTitle3));
    // The title's transparent corner shows the form colour and lies outside the window's shape.
    EXPECT_EQ(shot.pixelColor(0, 0), Q(kForm));
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::green));  // the icon at (5, 6)
    for (int y : {kTitleHeight, H() / 2, H() - kBottomHeight - 1}) {
        EXPECT_EQ(shot.pixelColor(0, y), Q(kLeft)) << y;
        EXPECT_EQ(shot.pixelColor(kBorder - 1, y), Q(kLeft)) << y;
        EXPECT_EQ(shot.pixelColor(W() - kBorder, y), Q(kRight)) << y;
    }
    for (int x : {0, W() / 2, W() - 1}) {
        EXPECT_EQ(shot.pixelColor(x, H() - kBottomHeight), Q(kBottom)) << x;
        EXPECT_EQ(shot.pixelColor(x, H() - 1), Q(kBottom)) << x;
    }
    EXPECT_EQ(shot.pixelColor(kBorder, kTitleHeight), window->palette().color(QPalette::Window));
    EXPECT_EQ(window->palette().color(QPalette::Window), Q(kForm));
    EXPECT_GT(CountColour(shot, Q(kTitleFont), QRect(25, kCaptionTop, 60, 16)), 0);
}

TEST_F(Frame, ShapeFollowsTheTransparentPixelsOfTheTitle) {
    const QRegion mask = window->mask();
    // Rows 0 to 2 lose 3, 2 and 1 pixels at each end; row 3 is whole, as is the rest.
    for (int y = 0; y <= 3; ++y) {
        const int cut = 3 - y;
        EXPECT_FALSE(cut > 0 && mask.contains(QPoint(cut - 1, y))) << y;
        EXPECT_TRUE(mask.contains(QPoint(cut, y))) << y;
        EXPECT_FALSE(cut > 0 && mask.contains(QPoint(W() - cut, y))) << y;
        EXPECT_TRUE(mask.contains(QPoint(W() - 1 - cut, y))) << y;
    }
    EXPECT_TRUE(mask.contains(QPoint(0, H() - 1)));
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, W(), H()));
    window->resize(300, 150);
    EXPECT_TRUE(window->mask().contains(QPoint(299, 149)));
    EXPECT_FALSE(window->mask().contains(QPoint(299, 0)));
}

TEST_F(Frame, CaptionButtonsShowNormalHotAndPressedFrames) {
    const QRect close = Skin().Geometry().Button(caption::kClose);
    const QRect maximize = Skin().Geometry().Button(caption::kMaximize);
    const QRect minimize = Skin().Geometry().Button(caption::kMinimize);
    EXPECT_EQ(close.topLeft(), QPoint(W() - kButtonPosX - kButton.width(), kButtonPosY));
    EXPECT_EQ(maximize.right() + 3, close.left());
    auto frameAt = [&](const QRect& button) {
        const QColor colour = Shot().pixelColor(button.center());
        for (int frame = 1; frame <= 18; ++frame)
            if (colour == Q(ButtonFrameColour(frame))) return frame;
        return 0;
    };
    EXPECT_EQ(frameAt(close), 16);
    EXPECT_EQ(frameAt(maximize), 7);
    EXPECT_EQ(frameAt(minimize), 13);
    QTest::mouseMove(Handle(), close.center());
    EXPECT_EQ(Skin().HotButton(), caption::kClose);
    EXPECT_EQ(frameAt(close), 17);
    QTest::mousePress(Handle(), Qt::LeftButton, {}, minimize.center());
    EXPECT_EQ(frameAt(minimize), 15);
    EXPECT_EQ(frameAt(close), 16);
    QTest::mouseMove(Handle(), QPoint(60, 20));  // caption: the press is forgotten
    EXPECT_FALSE(Skin().ButtonPressed());
    QTest::mouseMove(Handle(), minimize.center());
    EXPECT_EQ(frameAt(minimize), 14);
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, QPoint(60, 20));
    EXPECT_EQ(Skin().HotButton(), caption::kNone);
    window->showMaximized();
    const QRect area = window->screen()->availableGeometry();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->isMaximized() && window->geometry() == area; }));
    EXPECT_EQ(frameAt(Skin().Geometry().Button(caption::kMaximize)), 10);
}

TEST_F(Frame, AnInactiveCaptionTakesThePalettesInactiveColour) {
    const QRect text(25, kCaptionTop, 60, 16);
    const QColor inactive = InactiveCaptionColor(window->palette());
    ASSERT_NE(inactive, Q(kTitleFont));
    QWidget other;
    ASSERT_TRUE(ShowAndWait(&other));
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(Skin().Active());
    QImage shot = Shot();
    EXPECT_EQ(CountColour(shot, Q(kTitleFont), text), 0);
    EXPECT_GT(CountColour(shot, inactive, text), 0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_GT(CountColour(Shot(), Q(kTitleFont), text), 0);
}

TEST_F(Frame, ALongCaptionIsCutBeforeTheButtons) {
    window->setWindowTitle(
        QString("A caption far too long for a window this narrow, ").repeated(3));
    const FrameGeometry geometry = Skin().Geometry();
    const QString shown = Skin().Painter().Caption(geometry, window->windowTitle());
    EXPECT_TRUE(shown.endsWith("..."));
    const QRect minimize = geometry.Button(caption::kMinimize);
    const QImage shot = Shot();
    EXPECT_GT(CountColour(shot, Q(kTitleFont), QRect(25, kCaptionTop, 40, 16)), 0);
    EXPECT_EQ(CountColour(shot, Q(kTitleFont),
                          QRect(minimize.left() - 2, 0, W() - minimize.left() + 2, kTitleHeight)),
              0);
    window->setWindowTitle("Short");
    EXPECT_EQ(Skin().Painter().Caption(Skin().Geometry(), "Short"), "Short");
}

TEST_F(Frame, ANarrowWindowSqueezesTheFirstTitlePiece) {
    window->setMinimumSize(0, 0);
    window->resize(90, 60);
    ASSERT_EQ(window->width(), 90);
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixelColor(W() - 10, kTitleHeight - 2), Q(kTitle3));
    EXPECT_EQ(shot.pixelColor(10, kTitleHeight - 2), Q(kTitle1));
    EXPECT_EQ(CountColour(shot, Q(kTitle2), QRect(0, kTitleHeight - 2, W(), 1)), 0);
}

// At 90 pixels the first piece fits beside one button but not beside three: a title that gains
// or loses buttons at the same size is composed anew.
TEST_F(Frame, TheTitleFollowsTheButtonsShownAtTheSameSize) {
    const SkinValues& skin = Skin().Skin();
    const QSize size(90, 60);
    FrameTraits one;
    FrameTraits three = one;
    three.Maximize = three.Minimize = true;
    const TitleState state = Skin().CurrentTitleState();
    const QPoint overlap(35, kTitleHeight - 2);  // the first piece's end, unless squeezed
    const struct {
        FrameTraits Traits;
        ColorRef Colour;
    } steps[] = {{one, kTitle1}, {three, kTitle3}, {one, kTitle1}};
    for (const auto& step : steps) {
        const FrameGeometry geometry(skin.Metrics(), skin.Pieces(), size, step.Traits);
        const QImage title = Skin().Painter().Title(geometry, state);
        EXPECT_EQ(title.pixelColor(overlap), Q(step.Colour)) << step.Traits.Minimize;
    }
}

}  // namespace
}  // namespace skin::test
