#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <functional>

#include "art/Artwork.h"

namespace skin::artwork {
namespace {

const QRgb kMagenta = qRgb(255, 0, 255);

const struct Element {
    const char* name;
    QSize size;
} kElements[] = {
    {"SKIN2_TITLEBAR1", {58, 48}},
    {"SKIN2_TITLEBAR2", {57, 48}},
    {"SKIN2_TITLEBAR3", {176, 48}},
    {"SKIN2_FORMLEFTBORDER", {1, 20}},
    {"SKIN2_FORMRIGHTBORDER", {1, 20}},
    {"SKIN2_FORMBOTTOMBORDER1", {100, 1}},
    {"SKIN2_MINIMIZEDTITLE", {160, 27}},
    {"SKIN2_TITLEBUTTONS", {342, 19}},
    {"SKIN2_CHECKEDMENUICON", {16, 16}},
    {"SKIN2_BUTTON", {204, 25}},
    {"SKIN2_CHECKBOX", {90, 15}},
    {"SKIN2_CHECKBOXLIST", {44, 11}},
    {"SKIN2_RADIOBUTTON", {60, 15}},
    {"SKIN2_PROGRESSBAR1", {1, 10}},
    {"SKIN2_PROGRESSBAR2", {6, 10}},
    {"SKIN2_PROGRESSBAR3", {6, 10}},
    {"SKIN2_PROGRESSBAR4", {1, 10}},
    {"SKIN2_TRACKBAR", {45, 5}},
    {"SKIN2_TRACKBARSLIDER", {11, 21}},
    {"SKIN2_TRACKBARVSLIDER", {22, 11}},
    {"SKIN2_SCROLLBARUPBUTTON", {48, 17}},
    {"SKIN2_SCROLLBAR", {16, 21}},
    {"SKIN2_SCROLLBARDOWNBUTTON", {48, 17}},
    {"SKIN2_TABCONTROL", {30, 17}},
    {"SKIN2_TABCONTROLLINE", {8, 1}},
    {"SKIN2_SIDECHANNELBAR", {7, 84}},
    {"SKIN2_SIDECHANNELTITLE", {1, 21}},
    {"SKIN2_SCROLLBUTTON", {68, 17}},
};

// Pictures whose transparent parts the painters cut out, and the rows those parts may be in.
const struct {
    const char* name;
    int lastRow;
} kTransparent[] = {
    {"SKIN2_TITLEBAR1", 6},        {"SKIN2_TITLEBAR3", 6},
    {"SKIN2_CHECKEDMENUICON", 15}, {"SKIN2_RADIOBUTTON", 14},
    {"SKIN2_TRACKBAR", 4},         {"SKIN2_TRACKBARSLIDER", 20},
    {"SKIN2_TRACKBARVSLIDER", 10}, {"SKIN2_SCROLLBARUPBUTTON", 16},
    {"SKIN2_SCROLLBAR", 20},       {"SKIN2_SCROLLBARDOWNBUTTON", 16},
};

QImage Draw(const Element& element) { return DrawElement(element.name, element.size); }

int LastMagentaRow(const QImage& image) {
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kMagenta) last = y;
    return last;
}

// Pink that is not exactly the transparent colour: a fringe where a shape was blended into it.
bool HasFringe(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (image.pixel(x, y) != kMagenta && c.red() > 200 && c.blue() > 200 && c.green() < 120)
                return true;
        }
    }
    return false;
}

TEST(Artwork, DrawsEveryElementAtItsSizeIn24Bits) {
    for (const Element& element : kElements) {
        const QImage image = Draw(element);
        EXPECT_EQ(image.size(), element.size) << element.name;
        EXPECT_EQ(image.format(), QImage::Format_RGB888) << element.name;
    }
    EXPECT_TRUE(DrawElement("SKIN2_TITLEBAR4", {10, 10}).isNull());
    EXPECT_TRUE(DrawElement("SKIN2_BUTTON", {0, 25}).isNull());
}

TEST(Artwork, UsesExactMagentaOnlyWhereThePaintersCutAndNeverANearMiss) {
    for (const Element& element : kElements) {
        const QImage image = Draw(element);
        int allowed = -1;
        for (const auto& t : kTransparent)
            if (QString(t.name) == element.name) allowed = t.lastRow;
        const int last = LastMagentaRow(image);
        if (allowed < 0)
            EXPECT_EQ(last, -1) << element.name << " has magenta";
        else
            EXPECT_TRUE(last >= 0 && last <= allowed)
                << element.name << ": last magenta row " << last;
        EXPECT_FALSE(HasFringe(image)) << element.name;
    }
}

// Lines that the painters stretch must be alike, or the stretch shows.
bool ColumnsAlike(const QImage& image, int from, int to, int rowFrom = 0, int rowTo = -1) {
    if (rowTo < 0) rowTo = image.height() - 1;
    for (int x = from; x <= to; ++x)
        for (int y = rowFrom; y <= rowTo; ++y)
            if (image.pixel(x, y) != image.pixel(from, y)) return false;
    return true;
}

bool RowsAlike(const QImage& image, int from, int to) {
    for (int y = from; y <= to; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(x, from)) return false;
    return true;
}

TEST(Artwork, StretchedPartsAreUniformAlongTheStretch) {
    const QImage middle = DrawElement("SKIN2_TITLEBAR2", {57, 48});
    EXPECT_TRUE(ColumnsAlike(middle, 0, 56)) << "title middle";
    const QImage left = DrawElement("SKIN2_TITLEBAR1", {58, 48});
    EXPECT_TRUE(ColumnsAlike(left, 10, 57)) << "title left past its corner";
    const QImage button = DrawElement("SKIN2_BUTTON", {204, 25});
    for (int frame = 0; frame < 3; ++frame) {
        const QImage face = button.copy(frame * 68, 0, 68, 25);
        EXPECT_TRUE(ColumnsAlike(face, 5, 62)) << "button frame " << frame + 1;
        EXPECT_TRUE(RowsAlike(face.copy(0, 0, 68, 25), 12, 13)) << "button frame " << frame + 1;
    }
    const QImage thumb = DrawElement("SKIN2_SCROLLBAR", {16, 21});
    EXPECT_TRUE(RowsAlike(thumb, 4, 8)) << "thumb upper filler";
    EXPECT_TRUE(RowsAlike(thumb, 13, 17)) << "thumb lower filler";
    for (const char* part : {"SKIN2_PROGRESSBAR2", "SKIN2_PROGRESSBAR3"})
        EXPECT_TRUE(ColumnsAlike(DrawElement(part, {6, 10}), 0, 5)) << part;
    EXPECT_TRUE(ColumnsAlike(DrawElement("SKIN2_TRACKBAR", {45, 5}), 15, 29)) << "channel";
    const QImage tabs = DrawElement("SKIN2_TABCONTROL", {30, 17});
    for (int frame = 0; frame < 2; ++frame)
        EXPECT_TRUE(ColumnsAlike(tabs.copy(frame * 15, 0, 15, 17), 5, 9)) << "tab " << frame + 1;
}

}  // namespace
}  // namespace skin::artwork
