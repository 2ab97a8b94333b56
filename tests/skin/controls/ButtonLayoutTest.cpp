#include <gtest/gtest.h>

#include "skin/controls/BitmapButtonLayout.h"

namespace skin {
namespace {

struct LayoutCase {
    const char* Name;
    QRect Client;
    QSize Glyph;
    QSize Text;
    GlyphLayout Layout;
    int Margin;
    int Spacing;
    bool RightToLeft;
    QPoint GlyphAt;
    QPoint TextAt;
};

constexpr QSize kGlyph(16, 16);
constexpr QSize kText(30, 13);
constexpr QRect kWide(0, 0, 100, 30);
constexpr QRect kSquare(0, 0, 60, 60);

TEST(BitmapButtonLayout, PlacesGlyphAndCaptionByLayoutMarginAndSpacing) {
    using enum GlyphLayout;
    const LayoutCase cases[] = {
        {"left", kWide, kGlyph, kText, Left, -1, 4, false, {25, 7}, {45, 9}},
        {"right", kWide, kGlyph, kText, Right, -1, 4, false, {59, 7}, {25, 9}},
        {"left read right to left", kWide, kGlyph, kText, Left, -1, 4, true, {59, 7}, {25, 9}},
        {"top", kSquare, kGlyph, kText, Top, -1, 4, false, {22, 14}, {15, 34}},
        {"bottom", kSquare, kGlyph, kText, Bottom, -1, 4, false, {22, 30}, {15, 13}},
        {"automatic spacing", kWide, kGlyph, kText, Left, -1, -1, false, {18, 7}, {52, 9}},
        {"fixed margin", kWide, kGlyph, kText, Left, 3, -1, false, {3, 7}, {44, 9}},
        {"caption only", kWide, {}, kText, Left, -1, 4, false, {35, 15}, {35, 9}},
        {"glyph only", kWide, kGlyph, {}, Left, -1, 4, false, {42, 7}, {58, 15}},
        {"offset client",
         QRect(10, 5, 100, 30),
         kGlyph,
         kText,
         Left,
         -1,
         4,
         false,
         {35, 12},
         {55, 14}},
    };
    for (const LayoutCase& c : cases) {
        ButtonLayoutInput input;
        input.Client = c.Client;
        input.Glyph = c.Glyph;
        input.Text = c.Text;
        input.Layout = c.Layout;
        input.Margin = c.Margin;
        input.Spacing = c.Spacing;
        input.RightToLeft = c.RightToLeft;
        const ButtonLayout layout = LayOutBitmapButton(input);
        EXPECT_EQ(layout.GlyphAt, c.GlyphAt) << c.Name;
        EXPECT_EQ(layout.TextRect.topLeft(), c.TextAt) << c.Name;
        EXPECT_EQ(layout.TextRect.size(), c.Text.isValid() ? c.Text : QSize(0, 0)) << c.Name;
    }
}

}  // namespace
}  // namespace skin
