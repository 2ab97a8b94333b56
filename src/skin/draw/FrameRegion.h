#pragma once

#include <QImage>
#include <QRegion>

#include "skin/data/Bitmap.h"

namespace skin {

// What a window's outline is built from: its composed title bar and bottom border pictures (as
// wide as the window), the window size, the skin's transparent colour and, per picture, the rows
// scanned for transparency (min and max y, -1 meaning unset) and whether it shapes the window.
struct FrameRegionParts {
    QImage Title;
    QImage Bottom;
    int Width = 0;
    int Height = 0;
    ColorRef TransColor = 0;
    int TitleMinY = -1;
    int TitleMaxY = -1;
    int BottomMinY = -1;
    int BottomMaxY = -1;
    bool TitleRegion = false;
    bool BottomRegion = false;
};

// The window's outline without the transparent pixels of the scanned rows; the rows of a picture
// outside the scanned ones are whole, and so is everything between the two pictures. The caller
// gives it to the window (QWidget::setMask).
QRegion ApplyFrameRegion(const FrameRegionParts& parts);

}  // namespace skin
