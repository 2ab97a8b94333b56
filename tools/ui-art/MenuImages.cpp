// The menu images with symbols: power, info, gear and stop. They are pixel maps: at 16 pixels
// every edge is placed by hand, and the few half-covered pixels are chosen, not computed.
#include "MenuImages.h"

#include "ArtKit.h"

namespace plivant::art {

namespace {

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// A gradient ink plus its half and quarter covered edge inks.
std::vector<Ink> Inks(char full, char half, char quarter, const QColor& top, const QColor& bottom) {
    return {{full, top, bottom},
            {half, WithAlpha(top, 130), WithAlpha(bottom, 130)},
            {quarter, WithAlpha(top, 55), WithAlpha(bottom, 55)}};
}

}  // namespace

QImage PowerImage() {
    return FromPixelMap(
        {
            ".......rr.......",
            ".......RR.......",
            "...,...RR...,...",
            "..,Rr..RR..rR,..",
            "..RRR..RR..RRR..",
            ".rRR,..RR..,RRr.",
            ".RRr...RR...rRR.",
            ".RR,...RR...,RR.",
            ",RR....rr....RR,",
            ",RR..........RR,",
            ".RRr........rRR.",
            ".rRR........RRr.",
            ".,RRR,....,RRR,.",
            "..,RRRRRRRRRR,..",
            "...,RRRRRRRR,...",
            ".....,rrrr,.....",
        },
        Inks('R', 'r', ',', QColor(0xF3, 0x4B, 0x3D), QColor(0xB0, 0x14, 0x0C)));
}

QImage InfoImage() {
    std::vector<Ink> inks = Inks('O', 'o', ',', QColor(0x23, 0x5A, 0xAE), QColor(0x16, 0x40, 0x86));
    inks.push_back({'B', QColor(0x86, 0xC0, 0xFA), QColor(0x22, 0x62, 0xC2)});
    inks.push_back({'w', Qt::white, Qt::white});
    return FromPixelMap(
        {
            ".oOOOOOOOOOOOOo.",
            "oOBBBBBBBBBBBBOo",
            "OBBBBBBwwBBBBBBO",
            "OBBBBBBwwBBBBBBO",
            "OBBBBBBBBBBBBBBO",
            "OBBBBBwwwBBBBBBO",
            "OBBBBBBwwBBBBBBO",
            "OBBBBBBwwBBBBBBO",
            "OBBBBBBwwBBBBBBO",
            "OBBBBBBwwBBBBBBO",
            "OBBBBBwwwwBBBBBO",
            "oOBBBBBBBBBBBBOo",
            ".oOOBBBOOOOOOOo.",
            "...OBBO.........",
            "...OBO..........",
            "...OO...........",
        },
        inks);
}

QImage GearImage() {
    std::vector<Ink> inks = Inks('O', 'o', ',', QColor(0xB8, 0x5C, 0x00), QColor(0x98, 0x44, 0x00));
    inks.push_back({'G', QColor(0xFF, 0xD2, 0x5E), QColor(0xF0, 0x7C, 0x00)});
    return FromPixelMap(
        {
            "......oOOo......",
            "..OO..OGGO..OO..",
            ".OGGOOGGGGOOGGO.",
            ".OGGGGGGGGGGGGO.",
            "..OGGGGGGGGGGO..",
            "..OGGGGOOGGGGO..",
            "oOGGGGO..OGGGGOo",
            "OGGGGO....OGGGGO",
            "OGGGGO....OGGGGO",
            "oOGGGGO..OGGGGOo",
            "..OGGGGOOGGGGO..",
            "..OGGGGGGGGGGO..",
            ".OGGGGGGGGGGGGO.",
            ".OGGOOGGGGOOGGO.",
            "..OO..OGGO..OO..",
            "......oOOo......",
        },
        inks);
}

QImage StopImage() {
    std::vector<Ink> inks = Inks('O', 'o', ',', QColor(0x9A, 0x12, 0x0A), QColor(0x78, 0x0C, 0x06));
    inks.push_back({'R', QColor(0xF4, 0x58, 0x4C), QColor(0xC0, 0x16, 0x0E)});
    inks.push_back({'w', Qt::white, Qt::white});
    return FromPixelMap(
        {
            "...,OOOOOOOO,...",
            "..,OwwwwwwwwO,..",
            ".,OwRRRRRRRRwO,.",
            ",OwRRRRRRRRRRwO,",
            "OwRRRRRRRRRRRRwO",
            "OwRRRRRRRRRRRRwO",
            "OwRRRRRRRRRRRRwO",
            "OwRRwwwwwwwwRRwO",
            "OwRRwwwwwwwwRRwO",
            "OwRRRRRRRRRRRRwO",
            "OwRRRRRRRRRRRRwO",
            "OwRRRRRRRRRRRRwO",
            ",OwRRRRRRRRRRwO,",
            ".,OwRRRRRRRRwO,.",
            "..,OwwwwwwwwO,..",
            "...,OOOOOOOO,...",
        },
        inks);
}

QImage MenuImage(int index) {
    using Painter = QImage (*)();
    static constexpr Painter kPainters[kMenuImageCount] = {
        PowerImage,         InfoImage,        GearImage,        StopImage,
        ArrowDownLeftImage, ArrowUpLeftImage, GlobeRefreshImage};
    if (index < 0 || index >= kMenuImageCount) return {};
    return kPainters[index]();
}

}  // namespace plivant::art
