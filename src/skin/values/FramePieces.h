#pragma once

#include <QImage>
#include <QSize>
#include <array>

#include "skin/data/Bitmap.h"

namespace skin {

class TSkinReader;

// The frame's pictures, cut and converted once per skin load so that painting only places them:
// the title pieces, the borders, the caption button frames and the menu bar picture.
struct FramePieces {
    std::array<QImage, 5> Title;  // "SKIN2_TITLEBAR1" to 5, transparent pixels kept
    bool FiveSections = false;
    QImage LeftBorder;
    QImage RightBorder;
    std::array<Bitmap, 3> Bottom;  // "SKIN2_FORMBOTTOMBORDER1" to 3
    bool BottomThreeSections = false;
    // The 18 frames of "SKIN2_TITLEBUTTONS", numbered from 1; masked when the skin asks for
    // transparent title buttons.
    std::array<QImage, 19> Buttons;
    QSize ButtonSize;
    QImage MenuBar;  // "SKIN2_MENUBAR", may be empty
    bool TitleNeedsRegion = false;
    bool BottomNeedsRegion = false;
    // The rows of the title pieces and caption buttons that hold the transparent colour: only
    // these need filling in a composed title. Empty when none does.
    int TransparentRowsBegin = 0;
    int TransparentRowsEnd = 0;

    static FramePieces FromReader(const TSkinReader& reader);
};

}  // namespace skin
