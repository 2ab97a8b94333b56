#include "ScrollingProbe.h"

#include <QStyleOptionSlider>

#include "skin/controls/SkinnerRegistry.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/windows/TSkinWindow.h"

namespace skin::test::scrolling {
namespace {

SkinElement Colour(int index, ColorRef colour) {
    return SkinElement::Integer(ElementName(ElementGroup::Color, index), colour);
}

Bitmap Strip(const ColorRef (&frames)[3]) {
    return FrameStrip(QSize(kButtonSize, kButtonSize), {frames[0], frames[1], frames[2]});
}

// Rows as the resource cuts them: caps 0-2 and 24-26, fillers 4-10 and 17-23, grip 11-17
// (its last row is the trailing filler's first).
Bitmap Thumb() {
    Bitmap thumb(kButtonSize, kThumbHeight);
    for (int y = 0; y < kThumbHeight; ++y) {
        const ColorRef colour = y <= 3    ? kLeadCap
                                : y <= 10 ? kLeadFill
                                : y <= 16 ? kGrip
                                : y <= 23 ? kTrailFill
                                          : kTrailCap;
        for (int x = 0; x < kButtonSize; ++x) thumb.SetPixel(x, y, colour);
    }
    return thumb;
}

SkinElements ScrollingElements(const Bitmap& thumb, ColorRef track) {
    return {
        Picture("SKIN2_SCROLLBARUPBUTTON", Strip(kUp)),
        Picture("SKIN2_SCROLLBARDOWNBUTTON", Strip(kDown)),
        Picture("SKIN2_SCROLLBAR", thumb),
        Colour(colors::ScrollBarColor, track),
        Colour(colors::ControlBorderColor, kBorder),
        Colour(colors::ControlColor, kControl),
        Colour(colors::ControlFontColor, kControlFont),
        Colour(colors::ToolBarBorderColor, kToolBorder),
        Colour(colors::ToolBarDownColor, kToolDown),
    };
}

}  // namespace

QByteArray ScrollingSkin() { return ProbeSkinWith(ScrollingElements(Thumb(), kTrack)); }

// The marks by which the resource knows a thumb drawn whole: 33 rows, a grey track and the mark
// colour at (1, 10).
QByteArray WholeThumbSkin() {
    Bitmap thumb(kButtonSize, 33);
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < kButtonSize; ++x) thumb.SetPixel(x, y, y < 16 ? kWholeTop : kGrip);
    }
    return ProbeSkinWith(ScrollingElements(thumb, 0x00CBCBCB));
}

QByteArray ScrollingFixture::SkinData() const { return ScrollingSkin(); }

void ScrollingFixture::SetUp() {
    SkinFixture::SetUp();
    central = new QWidget(form.get());
    form->setCentralWidget(central);
    form->resize(420, 320);
}

void ScrollingFixture::SkinAndShow() {
    SkinWindowOf(form.get())->Controls().SkinChildren(form.get());
    ASSERT_TRUE(ShowAndWait(form.get()));
}

QColor At(const QImage& image, const QPoint& point) { return image.pixelColor(point); }

QRect BarPart(const QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

}  // namespace skin::test::scrolling
