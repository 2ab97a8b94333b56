#pragma once

#include <QColor>

// The colours of the built-in skin's pictures: a light blue desktop theme around the skin's form
// colour, selection blue and control border colour.
namespace skin::artwork::palette {

inline const QColor kMagenta(255, 0, 255);  // the skin's transparent colour, exact
inline const QColor kForm(218, 228, 246);
inline const QColor kSelection(49, 106, 197);
inline const QColor kControlBorder(79, 107, 160);
inline const QColor kScrollBack(249, 249, 249);
inline const QColor kWhite(255, 255, 255);

// What antialiased window corners are blended with: a middle tone that sits well on light and
// dark desktops alike.
inline const QColor kDesktopHalo(128, 140, 160);

inline const QColor kFrame = kControlBorder;
inline const QColor kSoftBorder(132, 156, 198);
inline const QColor kGlyph(44, 60, 94);
inline const QColor kHotBorder(76, 132, 214);
inline const QColor kHotTop(250, 252, 255);
inline const QColor kHotBottom(205, 226, 255);
inline const QColor kPressedTop(178, 202, 240);
inline const QColor kPressedBottom(204, 221, 247);
inline const QColor kPressedBorder(40, 88, 170);
inline const QColor kCloseHot(214, 64, 52);
inline const QColor kClosePressed(168, 40, 32);
inline const QColor kDisabledBorder(172, 182, 200);
inline const QColor kDisabledFill(238, 241, 246);
inline const QColor kDisabledGlyph(150, 160, 178);

}  // namespace skin::artwork::palette
