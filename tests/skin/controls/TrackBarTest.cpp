#include <gtest/gtest.h>

#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

#include "TabFamilySkin.h"
#include "skin/controls/TrackBarLayout.h"
#include "skin/draw/Geometry.h"

namespace skin::test {
namespace {

using namespace tabprobe;

struct TrackBar : TabFamilyFixture {
    QSlider* AddSlider(Qt::Orientation orientation,
                       QSlider::TickPosition ticks = QSlider::NoTicks) {
        auto* slider = new QSlider(orientation);
        slider->setRange(0, 10);
        slider->setPageStep(2);
        slider->setTickPosition(ticks);
        if (orientation == Qt::Horizontal) slider->setMinimumWidth(200);
        if (orientation == Qt::Vertical) slider->setMinimumHeight(200);
        return Add(slider);
    }
    static QStyleOptionSlider Option(const QSlider* slider) {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->sliderPosition();
        option.singleStep = slider->singleStep();
        option.pageStep = slider->pageStep();
        option.tickInterval = slider->tickInterval();
        option.tickPosition = slider->tickPosition();
        option.upsideDown = slider->orientation() == Qt::Vertical;
        return option;
    }
    static QRect Handle(const QSlider* slider) {
        const QStyleOptionSlider option = Option(slider);
        return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                               slider);
    }
    static TrackBarLayout Layout(const QSlider* slider) {
        const bool vertical = slider->orientation() == Qt::Vertical;
        return TrackBarLayout::Of(Option(slider), vertical ? kVThumbSize : kThumbSize);
    }
};

TEST_F(TrackBar, TheHandleIsTheSkinsThumbAndIsPaintedWhereQtHitsIt) {
    for (const auto orientation : {Qt::Horizontal, Qt::Vertical}) {
        QSlider* slider = AddSlider(orientation);
        slider->setValue(3);
        const QRect handle = Handle(slider);
        const QSize thumb = orientation == Qt::Horizontal ? kThumbSize : kVThumbSize;
        EXPECT_EQ(handle.size(), thumb);
        const QImage picture = Grab(slider);
        EXPECT_TRUE(
            HasColour(picture, handle.center(), orientation == Qt::Horizontal ? kThumb : kVThumb));
        // The thumb's transparent corner shows what lies beneath.
        if (orientation == Qt::Horizontal) {
            EXPECT_FALSE(HasColour(picture, handle.topLeft(), kThumb));
            EXPECT_FALSE(HasColour(picture, handle.topLeft(), probe::kTrans));
        }
    }
}

// The channel's first third is at the start of a horizontal slider; turned anticlockwise for a
// vertical slider, it is at the bottom.
TEST_F(TrackBar, TheChannelRunsAlongTheGrooveTurnedForAVerticalSlider) {
    QSlider* horizontal = AddSlider(Qt::Horizontal);
    horizontal->setValue(10);
    const QRect g = Layout(horizontal).Groove;
    const QImage across = Grab(horizontal);
    EXPECT_TRUE(HasColour(across, {g.left() + 1, g.center().y()}, kChannelStart));
    EXPECT_TRUE(HasColour(across, {g.center().x(), g.center().y()}, kChannelMiddle));
    QSlider* vertical = AddSlider(Qt::Vertical);
    vertical->setValue(10);  // the handle at the top, out of the way
    const QRect v = Layout(vertical).Groove;
    const int x = v.left() + (v.width() - kChannel.height()) / 2 + 2 + 1;
    const QImage upright = Grab(vertical);
    EXPECT_TRUE(HasColour(upright, {x, BottomOf(v) - 2}, kChannelStart));
    EXPECT_TRUE(HasColour(upright, {x, v.center().y()}, kChannelMiddle));
}

TEST_F(TrackBar, TickMarksStandOnTheSidesTheSliderAsksFor) {
    struct TickCase {
        QSlider::TickPosition Ticks;
        bool Before, After;
    };
    const TickCase cases[] = {{QSlider::NoTicks, false, false},
                              {QSlider::TicksAbove, true, false},
                              {QSlider::TicksBelow, false, true},
                              {QSlider::TicksBothSides, true, true}};
    for (const auto orientation : {Qt::Horizontal, Qt::Vertical}) {
        for (const TickCase& c : cases) {
            QSlider* slider = AddSlider(orientation, c.Ticks);
            const TrackBarLayout layout = Layout(slider);
            const QImage picture = Grab(slider);
            const QRect f = layout.Focus;
            const bool vertical = orientation == Qt::Vertical;
            // The mark of the first end, and one between the ends.
            for (const int at : {(vertical ? f.top() : f.left()) + 8, layout.Ticks.at(0)}) {
                const QPoint before = vertical ? QPoint(f.left() - 1, at) : QPoint(at, f.top() - 1);
                const QPoint after =
                    vertical ? QPoint(RightOf(f) + 2, at) : QPoint(at, BottomOf(f) + 2);
                EXPECT_EQ(HasColour(picture, before, 0), c.Before) << c.Ticks << vertical;
                EXPECT_EQ(HasColour(picture, after, 0), c.After) << c.Ticks << vertical;
            }
        }
    }
}

TEST_F(TrackBar, TheFocusRectangleShowsWhileTheSliderHasTheFocus) {
    QSlider* slider = AddSlider(Qt::Horizontal);
    // The dotted outline inverts every other pixel, counted from the control's origin.
    QPoint corner = Layout(slider).Focus.topLeft();
    if ((corner.x() + corner.y()) % 2 != 0) corner.rx() += 1;
    EXPECT_TRUE(HasColour(Grab(slider), corner, probe::kForm));
    slider->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(slider->hasFocus());
    EXPECT_TRUE(HasColour(Grab(slider), corner, probe::kForm ^ 0x00FFFFFF));
}

TEST_F(TrackBar, TheSliderStillSlidesByMouseWheelAndKeys) {
    QSlider* slider = AddSlider(Qt::Horizontal);
    slider->setFocus();
    // Dragging the handle to the groove's end.
    const QRect handle = Handle(slider);
    const QRect groove = Layout(slider).Groove;
    QTest::mousePress(slider, Qt::LeftButton, {}, handle.center());
    QMouseEvent move(QEvent::MouseMove, QPointF(RightOf(groove) + 20, handle.center().y()),
                     slider->mapToGlobal(QPointF(RightOf(groove) + 20, handle.center().y())),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(slider, &move);
    QTest::mouseRelease(slider, Qt::LeftButton, {},
                        QPoint(RightOf(groove) + 20, handle.center().y()));
    EXPECT_EQ(slider->value(), 10);
    // A click on the groove before the handle pages down.
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(groove.left() + 2, groove.center().y()));
    EXPECT_EQ(slider->value(), 8);
    struct KeyCase {
        Qt::Key Key;
        int Value;
    };
    for (const KeyCase& k : {KeyCase{Qt::Key_Left, 7}, KeyCase{Qt::Key_PageDown, 5},
                             KeyCase{Qt::Key_Home, 0}, KeyCase{Qt::Key_End, 10}}) {
        QTest::keyClick(slider, k.Key);
        EXPECT_EQ(slider->value(), k.Value) << k.Key;
    }
    QWheelEvent wheel(QPointF(handle.center()), slider->mapToGlobal(QPointF(handle.center())),
                      QPoint(), QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(slider, &wheel);
    EXPECT_EQ(slider->value(), 8);  // a notch moves at most a page
}

TEST_F(TrackBar, SwitchingTheSkinOffGivesTheSliderItsOwnStyleBack) {
    QSlider* slider = AddSlider(Qt::Horizontal);
    QStyle* skinned = slider->style();
    EXPECT_NE(skinned, QApplication::style());
    engine->SetActive(false);
    EXPECT_EQ(slider->style(), QApplication::style());
    EXPECT_FALSE(slider->testAttribute(Qt::WA_SetStyle));
    EXPECT_NE(Handle(slider).size(), kThumbSize);
    engine->SetActive(true);
    EXPECT_EQ(slider->style(), skinned);
    EXPECT_EQ(Handle(slider).size(), kThumbSize);
}

}  // namespace
}  // namespace skin::test
