#pragma once

#include <QColor>
#include <QImage>

// The painters of the built-in skin's pictures. Each paints the whole image it is given (sized as
// the element, filled with the form colour) and uses exact magenta only where the skin's painters
// treat it as transparent.
namespace skin::artwork {

// Title bar background of row y (the top border row excluded); caption buttons and the minimised
// title take their background from it so that they sit seamlessly on the bar.
QColor TitleShade(int y);

// Window frame (TitleArt.cpp).
void PaintTitleLeft(QImage& image);
void PaintTitleMiddle(QImage& image);
void PaintTitleRight(QImage& image);
void PaintMinimizedTitle(QImage& image);
void PaintFrameBorder(QImage& image);

// Caption buttons, 18 frames (CaptionButtonArt.cpp).
void PaintTitleButtons(QImage& image);

// Push buttons and the spare scroll button (ButtonArt.cpp).
void PaintButton(QImage& image);
void PaintScrollButton(QImage& image);

// Check marks and radio dots (CheckArt.cpp).
void PaintCheckBox(QImage& image);
void PaintCheckBoxList(QImage& image);
void PaintRadioButton(QImage& image);
void PaintCheckedMenuIcon(QImage& image);

// Scroll bars (ScrollBarArt.cpp).
void PaintScrollBarUp(QImage& image);
void PaintScrollBarDown(QImage& image);
void PaintScrollBarThumb(QImage& image);

// Track bars and progress bars (RangeArt.cpp).
void PaintTrackBar(QImage& image);
void PaintTrackBarSlider(QImage& image);
void PaintTrackBarVSlider(QImage& image);
void PaintProgressCap(QImage& image);
void PaintProgressFilled(QImage& image);
void PaintProgressEmpty(QImage& image);

// Tabs and the side channel (TabArt.cpp).
void PaintTabs(QImage& image);
void PaintTabLine(QImage& image);
void PaintSideChannelBar(QImage& image);
void PaintSideChannelTitle(QImage& image);

}  // namespace skin::artwork
