#pragma once

#include <QPainter>
#include <QRect>

namespace skin {

class SkinValues;

// Where the parts of one scroll bar are, in the coordinates of the picture it is painted into.
// The arrow buttons are where the widget's style puts them (squares of the bar's breadth at
// its ends for a bar of the usual breadth), so that the picture and the hit areas agree.
struct ScrollBarParts {
    QRect Bar;
    QRect FirstButton;   // up, or left
    QRect SecondButton;  // down, or right
    QRect Thumb;
    bool ThumbShown = true;
    bool Vertical = true;
};

// Paints a scroll bar from the skin's scroll bar resource: the track in the scroll bar colour,
// the arrow buttons in their normal look (they have no hot or pressed one), and the thumb from
// its five pieces or, for skins drawn so, whole.
void PaintScrollBar(QPainter& painter, const SkinValues& skin, const ScrollBarParts& parts);

}  // namespace skin
