// The skinned frame on screens whose device pixels are 1, 1.25, 1.5, 1.75 and 2 times smaller
// than the logical ones. A window's logical edge x lies at device pixel qRound(x * ratio), as Qt
// places widgets, sizes the window and hands its shape to the window system; the probe window is
// 206 x 134 with its frame, half a device pixel over at 1.25 and 1.75.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTransform>
#include <cstdlib>

#include "FrameFixture.h"
#include "ProbePixels.h"
#include "support/WaitFor.h"

namespace skin::test {
namespace {

using namespace probe;
using plivant::test::WaitFor;

// Before the application starts: one offscreen screen per ratio, side by side.
const bool kScreens = [] {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" PLIVANT_RATIO_SCREENS, 1);
    setenv("QT_SCREEN_SCALE_FACTORS", "r100=1;r125=1.25;r150=1.5;r175=1.75;r200=2", 1);
    return true;
}();

QScreen* ScreenOf(qreal ratio) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (qFuzzyCompare(screen->devicePixelRatio(), ratio)) return screen;
    }
    return nullptr;
}

// The probe window, shown on the first screen and moved to the one of the ratio.
struct Ratio : FrameFixture, ::testing::WithParamInterface<qreal> {
    void SetUp() override {
        FrameFixture::SetUp();
        ASSERT_EQ(QGuiApplication::screens().size(), 5u);
        QScreen* screen = ScreenOf(GetParam());
        ASSERT_NE(screen, nullptr);
        window->move(screen->geometry().topLeft() + QPoint(40, 40));
        ASSERT_TRUE(WaitFor([&] { return window->screen() == screen; }));
        ASSERT_EQ(window->devicePixelRatio(), GetParam());
    }

    int Device(int logical) const { return qRound(logical * GetParam()); }
    // The window as painted, in device pixels.
    QImage DeviceShot() const { return window->grab().toImage(); }
    // The shape as the window system gets it.
    QRegion DeviceShape() const {
        return QTransform::fromScale(GetParam(), GetParam()).map(window->mask());
    }
    // Moves the pointer to a device pixel of the window.
    void MoveTo(int x, int y) const {
        const QPointF local(x / GetParam(), y / GetParam());
        QMouseEvent move(QEvent::MouseMove, local, QPointF(Handle()->mapToGlobal(QPoint())) + local,
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Handle(), &move);
    }
};

TEST_P(Ratio, TheBordersLieOnTheWindowsOutermostDevicePixels) {
    const QImage shot = DeviceShot();
    const int w = shot.width();
    const int h = shot.height();
    ASSERT_EQ(QSize(w, h), QSize(Device(W()), Device(H())));
    const int titleEnd = Device(kTitleHeight);
    const int bottom = Device(H() - kBottomHeight);
    for (int y : {titleEnd, h / 2, bottom - 1}) {
        EXPECT_EQ(shot.pixelColor(0, y), Q(kLeft)) << y;
        EXPECT_EQ(shot.pixelColor(Device(kBorder) - 1, y), Q(kLeft)) << y;
        EXPECT_EQ(shot.pixelColor(Device(kBorder), y), Q(kForm)) << y;
        EXPECT_EQ(shot.pixelColor(Device(W() - kBorder) - 1, y), Q(kForm)) << y;
        EXPECT_EQ(shot.pixelColor(Device(W() - kBorder), y), Q(kRight)) << y;
        EXPECT_EQ(shot.pixelColor(w - 1, y), Q(kRight)) << y;
    }
    for (int x : {0, w / 2, w - 1}) {
        EXPECT_EQ(shot.pixelColor(x, bottom), Q(kBottom)) << x;
        EXPECT_EQ(shot.pixelColor(x, h - 1), Q(kBottom)) << x;
    }
    EXPECT_EQ(shot.pixelColor(w / 2, bottom - 1), Q(kForm));
    // The title's pieces down to its last device row, its outline on the first.
    EXPECT_EQ(shot.pixelColor(Device(kTitle1Width) - 3, titleEnd - 1), Q(kTitle1));
    EXPECT_EQ(shot.pixelColor(w / 2, titleEnd - 1), Q(kTitle2));
    EXPECT_EQ(shot.pixelColor(w / 2, 0), Q(kTitle2));
    EXPECT_EQ(shot.pixelColor(w - Device(kTitle3Width) + 3, titleEnd - 1), Q(kTitle3));
    EXPECT_EQ(shot.pixelColor(w / 2, titleEnd), Q(kForm));
}

TEST_P(Ratio, TheShapeCutsTheCornersAndKeepsEveryOtherDevicePixel) {
    const QImage shot = DeviceShot();
    const QRegion shape = DeviceShape();
    const int w = shot.width();
    const int h = shot.height();
    EXPECT_EQ(shape.boundingRect(), QRect(0, 0, w, h));
    // Rows 0 to 2 lose 3, 2 and 1 pixels at each end, on every device row they cover.
    for (int y = 0; y <= 3; ++y) {
        const int cut = 3 - y;
        for (int row = Device(y); row < Device(y + 1); ++row) {
            EXPECT_FALSE(cut > 0 && shape.contains(QPoint(Device(cut) - 1, row))) << row;
            EXPECT_TRUE(shape.contains(QPoint(Device(cut), row))) << row;
            EXPECT_FALSE(cut > 0 && shape.contains(QPoint(Device(W() - cut), row))) << row;
            EXPECT_TRUE(shape.contains(QPoint(Device(W() - cut) - 1, row))) << row;
        }
    }
    for (int row = 0; row < h; ++row) EXPECT_TRUE(shape.contains(QPoint(w / 2, row))) << row;
    for (int column = 0; column < w; ++column) {
        EXPECT_TRUE(shape.contains(QPoint(column, h - 1))) << column;
    }
    // What the shape keeps of the corners shows no trace of the skin's transparent colour.
    int pink = 0;
    for (const QRect& rect : shape) {
        for (int y = rect.top(); y <= rect.bottom() && y < Device(kTitleHeight); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() > 150 && c.blue() > 150 && c.green() < 120) ++pink;
            }
        }
    }
    EXPECT_EQ(pink, 0);
}

TEST_P(Ratio, TheOutermostDevicePixelsResizeAndTheButtonsAnswerOnTheirPixels) {
    const int w = Device(W());
    const int h = Device(H());
    const struct {
        QPoint At;
        Qt::CursorShape Shape;
    } edges[] = {{{w - 1, h / 2}, Qt::SizeHorCursor},
                 {{0, h / 2}, Qt::SizeHorCursor},
                 {{w / 2, h - 1}, Qt::SizeVerCursor},
                 {{w - 1, h - 1}, Qt::SizeFDiagCursor}};
    for (const auto& edge : edges) {
        MoveTo(edge.At.x(), edge.At.y());
        EXPECT_EQ(Handle()->cursor().shape(), edge.Shape) << edge.At.x() << "," << edge.At.y();
    }
    const QRect close = Skin().Geometry().Button(caption::kClose);
    MoveTo(Device(close.left()), Device(close.top()));
    EXPECT_EQ(Skin().HotButton(), caption::kClose);
    MoveTo(Device(close.left()) - 1, Device(close.top()));
    EXPECT_NE(Skin().HotButton(), caption::kClose);
}

INSTANTIATE_TEST_SUITE_P(Screens, Ratio, ::testing::Values(1.0, 1.25, 1.5, 1.75, 2.0));

}  // namespace
}  // namespace skin::test
