#include "TabFamilySkin.h"

#include <QCoreApplication>

#include "skin/windows/TSkinWindow.h"

namespace skin::test {
namespace {

using namespace tabprobe;

Bitmap TabFrames() {
    Bitmap frames(2 * kTabFrame.width(), kTabFrame.height());
    for (int x = 0; x < frames.Width(); ++x) {
        const bool selected = x < kTabFrame.width();
        for (int y = 0; y < frames.Height(); ++y) {
            const ColorRef body = selected ? kSelectedTab : kOtherTab;
            const ColorRef edge = selected ? kSelectedEdge : kOtherEdge;
            frames.SetPixel(x, y, y == 0 ? edge : body);
        }
    }
    return frames;
}

Bitmap TabLine() {
    Bitmap line(8, 2);
    for (int x = 0; x < 8; ++x) {
        line.SetPixel(x, 0, kLineOuter);
        line.SetPixel(x, 1, kLineInner);
    }
    return line;
}

Bitmap Channel() {
    Bitmap channel = Filled(kChannel, kChannelMiddle);
    const int third = kChannel.width() / 3;
    for (int y = 0; y < kChannel.height(); ++y) {
        for (int x = 0; x < third; ++x) {
            channel.SetPixel(x, y, kChannelStart);
            channel.SetPixel(kChannel.width() - 1 - x, y, kChannelEnd);
        }
    }
    return channel;
}

// The thumb's corner is the skin's transparent colour.
Bitmap Thumb() {
    Bitmap thumb = Filled(kThumbSize, kThumb);
    thumb.SetPixel(0, 0, probe::kTrans);
    return thumb;
}

SkinElements TabFamilyElements() {
    SkinElements e = {
        Picture("SKIN2_TABCONTROL", TabFrames()),
        Picture("SKIN2_TABCONTROLLINE", TabLine()),
        Picture("SKIN2_TRACKBAR", Channel()),
        Picture("SKIN2_TRACKBARSLIDER", Thumb()),
        Picture("SKIN2_TRACKBARVSLIDER", Filled(kVThumbSize, kVThumb)),
        SkinElement::Integer("SKIN2_CONTROLBORDERCOLOR", kBorder),
        SkinElement::Integer("SKIN2_TABCONTROLACTIVEFONTCOLOR", kActiveFont),
        SkinElement::Integer("SKIN2_TABCONTROLINACTIVEFONTCOLOR", kInactiveFont),
    };
    const char* progress[] = {"SKIN2_PROGRESSBAR1", "SKIN2_PROGRESSBAR2", "SKIN2_PROGRESSBAR3",
                              "SKIN2_PROGRESSBAR4"};
    for (int i = 0; i < 4; ++i) {
        e.push_back(Picture(progress[i], Filled(QSize(kProgressWidth[i], 10), kProgress[i])));
    }
    return e;
}

}  // namespace

QByteArray TabFamilySkin() { return ProbeSkinWith(TabFamilyElements()); }

QByteArray TabFamilyFixture::SkinData() const { return TabFamilySkin(); }

void TabFamilyFixture::SetUp() {
    SkinFixture::SetUp();
    auto* central = new QWidget(form.get());
    layout = new QVBoxLayout(central);
    form->setCentralWidget(central);
    form->resize(400, 300);
    ASSERT_TRUE(ShowAndWait(form.get()));
}

void TabFamilyFixture::SkinAll() {
    SkinWindowOf(form.get())->Controls().SkinChildren(form.get());
    QCoreApplication::processEvents();
}

}  // namespace skin::test
