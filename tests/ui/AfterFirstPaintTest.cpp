#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "support/WaitFor.h"
#include "ui/AfterFirstPaint.h"

namespace plivant::test {
namespace {

struct CountingWindow : QWidget {
    void paintEvent(QPaintEvent*) override { ++paints; }
    int paints = 0;
};

TEST(AfterFirstPaint, RunsOnceAfterTheWindowFirstPainted) {
    CountingWindow window;
    int runs = 0, paintsBefore = 0;
    new AfterFirstPaint(window, [&] {
        ++runs;
        paintsBefore = window.paints;
    });
    window.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0);  // not shown, not painted
    window.show();
    EXPECT_EQ(runs, 0);  // shown, not painted yet
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(WaitFor([&] { return runs == 1; }));
    EXPECT_GE(paintsBefore, 1);
    window.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace plivant::test
