#include "ProbeSkin.h"

#include <QPainter>
#include <algorithm>

#include "skin/data/ContainerWriter.h"
#include "skin/data/Sk2Archive.h"
#include "skin/data/SkinVocabulary.h"

namespace skin::test {
namespace {

using namespace probe;

// Rounded top corners: a triangle of transparent pixels in the first three rows.
void CutCorner(Bitmap& bitmap, bool left) {
    for (int y = 0; y < 3; ++y) {
        for (int i = 0; i < 3 - y; ++i) {
            bitmap.SetPixel(left ? i : bitmap.Width() - 1 - i, y, kTrans);
        }
    }
}

Bitmap ButtonStrip() {
    std::vector<ColorRef> colours;
    for (int frame = 1; frame <= 18; ++frame) colours.push_back(ButtonFrameColour(frame));
    return FrameStrip(kButton, colours);
}

Bitmap CheckIcon() {
    Bitmap icon = Filled(QSize(16, 16), kTrans);
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x) icon.SetPixel(x, y, kCheck);
    }
    return icon;
}

}  // namespace

Bitmap Filled(QSize size, ColorRef colour) {
    Bitmap bitmap(size.width(), size.height());
    bitmap.Image().fill(ToQColor(colour));
    return bitmap;
}

SkinElement Picture(const char* name, const Bitmap& bitmap) {
    return SkinElement::Bitmap(name, bitmap.ToBmp());
}

Bitmap FrameStrip(QSize frame, const std::vector<ColorRef>& colours, bool cornerTrans) {
    Bitmap strip(frame.width() * int(colours.size()), frame.height());
    QRect place(QPoint(0, 0), frame);
    for (ColorRef colour : colours) {
        QPainter(&strip.Image()).fillRect(place, ToQColor(colour));
        if (cornerTrans) strip.SetPixel(place.x(), 0, probe::kTrans);
        place.translate(frame.width(), 0);
    }
    return strip;
}

ColorRef ButtonFrameColour(int frame) { return 0x002800C8 | ColorRef(frame * 12) << 8; }

SkinElements ProbeSkinElements() {
    Bitmap title1 = Filled(QSize(kTitle1Width, kTitleHeight), kTitle1);
    CutCorner(title1, true);
    Bitmap title3 = Filled(QSize(kTitle3Width, kTitleHeight), kTitle3);
    CutCorner(title3, false);
    SkinElements e = {
        Picture("SKIN2_TITLEBAR1", title1),
        Picture("SKIN2_TITLEBAR2", Filled(QSize(10, kTitleHeight), kTitle2)),
        Picture("SKIN2_TITLEBAR3", title3),
        Picture("SKIN2_FORMLEFTBORDER", Filled(QSize(kBorder, 10), kLeft)),
        Picture("SKIN2_FORMRIGHTBORDER", Filled(QSize(kBorder, 10), kRight)),
        Picture("SKIN2_FORMBOTTOMBORDER1", Filled(QSize(30, kBottomHeight), kBottom)),
        Picture("SKIN2_TITLEBUTTONS", ButtonStrip()),
        Picture("SKIN2_CHECKEDMENUICON", CheckIcon()),
        SkinElement::Integer("SKIN2_TRANSCOLOR", kTrans),
        SkinElement::Integer("SKIN2_TITLEFONTCOLOR", kTitleFont),
        SkinElement::Integer("SKIN2_FORMCOLOR", kForm),
        SkinElement::Integer("SKIN2_TITLEBARICONPOSX", kIconPosX),
        SkinElement::Integer("SKIN2_TITLEBARICONPOSY", kIconPosY),
        SkinElement::Integer("SKIN2_TITLEBARCAPTIONTOP", kCaptionTop),
        SkinElement::Integer("SKIN2_TITLEBARBUTTONPOSX", kButtonPosX),
        SkinElement::Integer("SKIN2_TITLEBARBUTTONPOSY", kButtonPosY),
        SkinElement::Integer("SKIN2_TITLEBARREGIONMINY", 0),
        SkinElement::Integer("SKIN2_TITLEBARREGIONMAXY", kRegionMaxY),
        SkinElement::Integer("SKIN2_BOTTOMREGIONMINY", -1),
        SkinElement::Integer("SKIN2_BOTTOMREGIONMAXY", -1),
        SkinElement::Boolean("SKIN2_TITLEBARNEEDREGION", 1),
    };
    for (int i = 0; i < 13; ++i) {
        const char* name = ElementName(ElementGroup::Color, colors::MenuBarStartColor + i);
        e.push_back(SkinElement::Integer(name, kMenu[i]));
    }
    return e;
}

QByteArray ProbeSkinWith(const SkinElements& changes) {
    SkinElements elements = ProbeSkinElements();
    for (const SkinElement& change : changes) {
        auto same = std::find_if(elements.begin(), elements.end(),
                                 [&](const SkinElement& e) { return e.Name == change.Name; });
        if (same != elements.end()) {
            *same = change;
        } else {
            elements.push_back(change);
        }
    }
    return WriteSkinContainer(WriteSk2Archive(elements));
}

QByteArray ProbeSkin() { return ProbeSkinWith({}); }

}  // namespace skin::test
