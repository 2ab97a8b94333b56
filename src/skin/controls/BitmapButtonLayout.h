#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace skin {

// Where a button's glyph stands against its caption.
enum class GlyphLayout { Left, Right, Top, Bottom };

// What the layout of a glyph-and-caption button is computed from. Margin and Spacing -1 mean
// "automatic": an automatic margin centres glyph and caption together, an automatic spacing
// shares the room left over.
struct ButtonLayoutInput {
    QRect Client;
    QSize Glyph;  // empty without glyph
    QSize Text;   // empty without caption
    GlyphLayout Layout = GlyphLayout::Left;
    int Margin = -1;
    int Spacing = 4;
    bool RightToLeft = false;  // exchanges Left and Right
};

struct ButtonLayout {
    QPoint GlyphAt;
    QRect TextRect;
    int Margin = 0;
    int Spacing = 0;
};

// Places glyph and caption: each centred across the layout's axis, both along it by margin and
// spacing. With no glyph or no caption the spacing is 0, so that the one shown is centred.
ButtonLayout LayOutBitmapButton(const ButtonLayoutInput& input);

}  // namespace skin
