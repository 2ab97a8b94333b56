#include "skin/controls/BitmapButtonLayout.h"

namespace skin {
namespace {

GlyphLayout InReadingOrder(GlyphLayout layout, bool rightToLeft) {
    if (!rightToLeft) return layout;
    if (layout == GlyphLayout::Left) return GlyphLayout::Right;
    if (layout == GlyphLayout::Right) return GlyphLayout::Left;
    return layout;
}

// Margin and spacing along the main axis: k the client's length, g and t the glyph's and the
// caption's.
void AdjustMarginAndSpacing(int k, int g, int t, int& margin, int& spacing) {
    if (margin == -1) {
        if (spacing < 0) {
            margin = (k - (g + t)) / 3;
            spacing = margin;
        } else {
            margin = (k - (g + spacing + t) + 1) / 2;
        }
    } else if (spacing < 0) {
        spacing = (k - margin - g - t) / 2;
    }
}

// An empty size, valid or not, takes no room.
QSize RoomOf(QSize size) { return size.isEmpty() ? QSize(0, 0) : size; }

}  // namespace

ButtonLayout LayOutBitmapButton(const ButtonLayoutInput& input) {
    const GlyphLayout layout = InReadingOrder(input.Layout, input.RightToLeft);
    const QSize glyph = RoomOf(input.Glyph);
    const QSize text = RoomOf(input.Text);
    const bool across = layout == GlyphLayout::Left || layout == GlyphLayout::Right;
    const auto along = [across](QSize s) { return across ? s.width() : s.height(); };
    const auto cross = [across](QSize s) { return across ? s.height() : s.width(); };
    const QSize k = input.Client.size();
    const int g = along(glyph);
    const int t = along(text);

    ButtonLayout out;
    out.Margin = input.Margin;
    out.Spacing = text.isEmpty() || glyph.isEmpty() ? 0 : input.Spacing;
    AdjustMarginAndSpacing(along(k), g, t, out.Margin, out.Spacing);

    int glyphAlong = 0;
    int textAlong = 0;
    if (layout == GlyphLayout::Left || layout == GlyphLayout::Top) {
        glyphAlong = out.Margin;
        textAlong = glyphAlong + g + out.Spacing;
    } else {
        glyphAlong = along(k) - out.Margin - g;
        textAlong = glyphAlong - out.Spacing - t;
    }
    const int glyphCross = (cross(k) - cross(glyph) + 1) / 2;
    const int textCross = (cross(k) - cross(text) + 1) / 2;
    const auto point = [across](int a, int c) { return across ? QPoint(a, c) : QPoint(c, a); };
    out.GlyphAt = input.Client.topLeft() + point(glyphAlong, glyphCross);
    out.TextRect = QRect(input.Client.topLeft() + point(textAlong, textCross), text);
    return out;
}

}  // namespace skin
