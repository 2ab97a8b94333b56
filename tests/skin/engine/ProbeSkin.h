#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <vector>

#include "skin/data/Bitmap.h"
#include "skin/data/SkinElement.h"

// A skin built in the tests: every element one solid colour of its own, so that a pixel on
// screen tells which element it came from.
namespace skin::test {

namespace probe {
inline constexpr ColorRef kTrans = 0x00FF00FF;
inline constexpr ColorRef kTitleFont = 0x0000FFFF;
inline constexpr ColorRef kForm = 0x00C0D0E0;
inline constexpr ColorRef kTitle1 = 0x000000C0;
inline constexpr ColorRef kTitle2 = 0x0000C000;
inline constexpr ColorRef kTitle3 = 0x00C00000;
inline constexpr ColorRef kLeft = 0x00008080;
inline constexpr ColorRef kRight = 0x00800080;
inline constexpr ColorRef kBottom = 0x00808000;
inline constexpr ColorRef kCheck = 0x00336699;
inline constexpr int kTitleHeight = 30;
inline constexpr int kTitle1Width = 40;
inline constexpr int kTitle3Width = 60;
inline constexpr int kBorder = 3;
inline constexpr int kBottomHeight = 4;
inline constexpr QSize kButton{16, 14};
inline constexpr int kIconPosX = 5;
inline constexpr int kIconPosY = 6;
inline constexpr int kCaptionTop = 8;
inline constexpr int kButtonPosX = 6;
inline constexpr int kButtonPosY = 8;
inline constexpr int kRegionMaxY = 3;
// Colours 3 to 15, in the order of SkinMetrics::MenuColors.
inline constexpr ColorRef kMenu[13] = {0x00AA0000, 0x0000AA00, 0x00101080, 0x00202090, 0x00F0F0F0,
                                       0x00303030, 0x00B0B0B0, 0x00A0A0A0, 0x00FAFAF0, 0x00050505,
                                       0x00AA5500, 0x00550000, 0x00FFFFFE};
}  // namespace probe

// Pictures of test skins.
Bitmap Filled(QSize size, ColorRef colour);
SkinElement Picture(const char* name, const Bitmap& bitmap);
// A strip of `colours.size()` frames of `frame` size, each filled with its colour, and with
// (0, 0) of each in the transparent colour when `cornerTrans` is set.
Bitmap FrameStrip(QSize frame, const std::vector<ColorRef>& colours, bool cornerTrans = false);

// Colour of frame `frame` (1 to 18) of the caption buttons strip.
ColorRef ButtonFrameColour(int frame);

SkinElements ProbeSkinElements();
QByteArray ProbeSkin();

// The same with these elements replaced or added.
QByteArray ProbeSkinWith(const SkinElements& changes);

inline QColor Q(ColorRef colour) { return ToQColor(colour); }

}  // namespace skin::test
