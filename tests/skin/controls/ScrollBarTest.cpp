#include <gtest/gtest.h>

#include <QStyleFactory>

#include "ScrollingProbe.h"
#include "skin/controls/ScrollBarPainter.h"
#include "skin/controls/TSkinScrollBar.h"

namespace skin::test::scrolling {
namespace {

using ScrollBars = ScrollingFixture;

struct Expected {
    QPoint At;  // in vertical terms: (across, along)
    ColorRef Colour;
};

struct PainterCase {
    const char* Name;
    int ThumbStart;
    int ThumbLength;
    bool ThumbShown;
    std::vector<Expected> Pixels;
};

// A bar 16 across and 120 along, its buttons 16 long at both ends.
QImage PaintedBar(const SkinValues& skin, const PainterCase& c, bool vertical) {
    auto rect = [vertical](int along, int length) {
        return vertical ? QRect(0, along, 16, length) : QRect(along, 0, length, 16);
    };
    ScrollBarParts parts{rect(0, 120),  rect(0, 16),
                         rect(104, 16), rect(c.ThumbStart, c.ThumbLength),
                         c.ThumbShown,  vertical};
    QImage image(parts.Bar.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintScrollBar(painter, skin, parts);
    return image;
}

void ExpectPixels(const QImage& image, const PainterCase& c, bool vertical) {
    for (const Expected& e : c.Pixels) {
        const QPoint at = vertical ? e.At : e.At.transposed();
        EXPECT_EQ(At(image, at), ToQColor(e.Colour))
            << c.Name << (vertical ? " vertical" : " horizontal") << " at " << at.x() << ","
            << at.y();
    }
}

TEST_F(ScrollBars, ThePainterPlacesButtonsTrackAndThumbPieces) {
    const PainterCase cases[] = {
        // Caps of 3 at the ends, the grip (7) in the middle of the 34 between them, fillers
        // stretched around it.
        {"long thumb",
         30,
         40,
         true,
         {{{8, 8}, kUp[0]},
          {{8, 111}, kDown[0]},
          {{8, 20}, kTrack},
          {{8, 90}, kTrack},
          {{8, 30}, kLeadCap},
          {{8, 32}, kLeadCap},
          {{8, 33}, kLeadFill},
          {{8, 45}, kLeadFill},
          {{8, 46}, kGrip},
          {{8, 51}, kGrip},
          {{8, 53}, kTrailFill},
          {{8, 66}, kTrailFill},
          {{8, 67}, kTrailCap},
          {{8, 69}, kTrailCap},
          {{8, 70}, kTrack}}},
        // No room for the grip at its length: it is squeezed between the caps.
        {"short thumb", 30, 8, true, {{{8, 30}, kLeadCap}, {{8, 33}, kGrip}, {{8, 37}, kTrailCap}}},
        {"no thumb", 30, 40, false, {{{8, 8}, kUp[0]}, {{8, 31}, kTrack}, {{8, 68}, kTrack}}},
    };
    for (bool vertical : {true, false}) {
        for (const PainterCase& c : cases)
            ExpectPixels(PaintedBar(engine->Skin(), c, vertical), c, vertical);
    }
}

TEST_F(ScrollBars, AThumbDrawnWholeKeepsItsEndsAndStretchesItsMiddle) {
    engine->SetSkinData(WholeThumbSkin());
    ASSERT_TRUE(engine->Skin().Resources().ScrollButtons.WholeThumbMode());
    // The top 11 rows of the picture at the thumb's start, the bottom 11 at its end.
    const PainterCase whole{
        "whole", 30, 40, true, {{{8, 30}, kWholeTop}, {{8, 40}, kWholeTop}, {{8, 69}, kGrip}}};
    for (bool vertical : {true, false})
        ExpectPixels(PaintedBar(engine->Skin(), whole, vertical), whole, vertical);
}

// The colour at a point along the bar (vertical) or across it (horizontal), in the bar's middle.
QColor AlongBar(const QImage& image, const QScrollBar* bar, int along) {
    const bool vertical = bar->orientation() == Qt::Vertical;
    return At(image, vertical ? QPoint(bar->width() / 2, along) : QPoint(along, bar->height() / 2));
}

int Start(const QScrollBar* bar, const QRect& r) {
    return bar->orientation() == Qt::Vertical ? r.top() : r.left();
}
int End(const QScrollBar* bar, const QRect& r) {
    return bar->orientation() == Qt::Vertical ? r.bottom() : r.right();
}

QScrollBar* Ranged(QScrollBar* bar) {
    bar->setRange(0, 100);
    bar->setPageStep(20);
    bar->setValue(40);
    return bar;
}

TEST_F(ScrollBars, AStandAloneBarIsPaintedFromTheSkinWhereItsStylePutsItsParts) {
    auto* vertical = Add(Ranged(new QScrollBar(Qt::Vertical)), QRect(10, 10, 16, 200));
    auto* horizontal = Add(Ranged(new QScrollBar(Qt::Horizontal)), QRect(40, 10, 200, 16));
    SkinAndShow();
    for (QScrollBar* bar : {vertical, horizontal}) {
        EXPECT_NE(dynamic_cast<TSkinScrollBar*>(SkinnerOf(bar)), nullptr);
        const QImage image = bar->grab().toImage();
        const QRect sub = BarPart(bar, QStyle::SC_ScrollBarSubLine);
        const QRect thumb = BarPart(bar, QStyle::SC_ScrollBarSlider);
        EXPECT_EQ(At(image, sub.center()), Q(kUp[0]));
        EXPECT_EQ(At(image, BarPart(bar, QStyle::SC_ScrollBarAddLine).center()), Q(kDown[0]));
        EXPECT_EQ(AlongBar(image, bar, End(bar, sub) + 2), Q(kTrack));
        EXPECT_EQ(AlongBar(image, bar, Start(bar, thumb)), Q(kLeadCap));
        EXPECT_EQ(AlongBar(image, bar, End(bar, thumb)), Q(kTrailCap));
        EXPECT_EQ(AlongBar(image, bar, End(bar, thumb) + 2), Q(kTrack));
    }
}

TEST_F(ScrollBars, ADisabledBarOrOneWithoutRangeShowsNoThumb) {
    auto* disabled = Add(Ranged(new QScrollBar(Qt::Vertical)), QRect(10, 10, 16, 200));
    disabled->setEnabled(false);
    auto* empty = Add(new QScrollBar(Qt::Vertical), QRect(40, 10, 16, 200));
    empty->setRange(0, 0);
    SkinAndShow();
    for (QScrollBar* bar : {disabled, empty}) {
        const QImage image = bar->grab().toImage();
        EXPECT_EQ(At(image, BarPart(bar, QStyle::SC_ScrollBarSubLine).center()), Q(kUp[0]));
        EXPECT_EQ(AlongBar(image, bar, 100), Q(kTrack));
        for (ColorRef piece : {kLeadCap, kLeadFill, kGrip, kTrailFill, kTrailCap})
            EXPECT_EQ(CountColour(image, Q(piece)), 0);
    }
}

TEST_F(ScrollBars, TheSkinnedBarScrollsByArrowsTrackThumbAndKeys) {
    auto* bar = Add(new QScrollBar(Qt::Vertical), QRect(10, 10, 16, 220));
    bar->setRange(0, 100);
    bar->setPageStep(20);
    SkinAndShow();
    QTest::mouseClick(bar, Qt::LeftButton, {}, BarPart(bar, QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(bar->value(), 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, BarPart(bar, QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(bar->value(), 0);
    QTest::mouseClick(bar, Qt::LeftButton, {}, BarPart(bar, QStyle::SC_ScrollBarAddPage).center());
    EXPECT_GT(bar->value(), 0);
    const int paged = bar->value();
    const QPoint grip = BarPart(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(bar, grip + QPoint(0, 40));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(0, 40));
    EXPECT_GT(bar->value(), paged);
    bar->setValue(0);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(bar->value(), 1);
    QTest::keyClick(bar, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), 21);
}

TEST_F(ScrollBars, AFocusedBarShowsAFocusRectangleInsideItsThumb) {
    auto* bar = Add(Ranged(new QScrollBar(Qt::Vertical)), QRect(10, 10, 16, 200));
    bar->setFocusPolicy(Qt::StrongFocus);
    SkinAndShow();
    const QRect thumb = BarPart(bar, QStyle::SC_ScrollBarSlider);
    const QRect inside = thumb.adjusted(1, 1, -1, -1);
    bar->clearFocus();
    const QImage plain = bar->grab().toImage();
    bar->setFocus();
    ASSERT_TRUE(bar->hasFocus());
    const QImage focused = bar->grab().toImage();
    EXPECT_NE(plain.copy(inside), focused.copy(inside));
    EXPECT_EQ(plain.copy(QRect(0, 0, 16, thumb.top())), focused.copy(QRect(0, 0, 16, thumb.top())));
}

TEST_F(ScrollBars, WithoutDrawScrollBarTheBarKeepsItsOwnLook) {
    auto* bar = Add(Ranged(new QScrollBar(Qt::Vertical)), QRect(10, 10, 16, 200));
    SkinAndShow();
    engine->SetDrawScrollBar(false);
    const QImage unskinned = bar->grab().toImage();
    EXPECT_EQ(CountColour(unskinned, Q(kTrack)), 0);
    bar->setStyle(nullptr);  // the same bar in the same colours, drawn by the application's style
    EXPECT_EQ(unskinned, bar->grab().toImage());
}

TEST_F(ScrollBars, SwitchingTheSkinOffGivesEachBarItsOwnStyleBack) {
    std::unique_ptr<QStyle> own(QStyleFactory::create("Windows"));
    auto* plain = Add(Ranged(new QScrollBar(Qt::Vertical)), QRect(10, 10, 16, 200));
    auto* styled = Add(Ranged(new QScrollBar(Qt::Vertical)), QRect(40, 10, 16, 200));
    styled->setStyle(own.get());
    SkinAndShow();
    EXPECT_NE(plain->style(), QApplication::style());
    EXPECT_NE(styled->style(), own.get());
    engine->SetActive(false);
    EXPECT_EQ(plain->style(), QApplication::style());
    EXPECT_FALSE(plain->testAttribute(Qt::WA_SetStyle));
    EXPECT_EQ(styled->style(), own.get());
    engine->SetActive(true);
    for (QScrollBar* bar : {plain, styled}) {
        const QImage image = bar->grab().toImage();
        EXPECT_EQ(AlongBar(image, bar, End(bar, BarPart(bar, QStyle::SC_ScrollBarSubLine)) + 2),
                  Q(kTrack));
    }
    engine->UnregisterWindow(form.get());
    EXPECT_EQ(plain->style(), QApplication::style());
    EXPECT_EQ(styled->style(), own.get());
}

}  // namespace
}  // namespace skin::test::scrolling
