#pragma once

#include <array>

#include "skin/data/Bitmap.h"

namespace skin {

class TSkinReader;

// The values of the loaded skin that every window frame needs, read once per skin load.
struct SkinMetrics {
    int TitleHeight = 0;
    int LeftBorderWidth = 0;
    int RightBorderWidth = 0;
    int BottomBorderHeight = 0;
    ColorRef TransColor = -1;
    ColorRef FormColor = -1;
    ColorRef TitleFontColor = -1;
    int IconPosX = -1;
    int IconPosY = -1;
    int CaptionTop = -1;
    int ButtonPosX = -1;
    int ButtonPosY = -1;
    // Colours 3 to 15: menu bar start and end, selected top item fill, border and text, top item
    // text, left bar start and end, item fill and text, selected item fill, border and text.
    std::array<ColorRef, 13> MenuColors{};
    int TitleMinY = -1;
    int TitleMaxY = -1;
    int BottomMinY = -1;
    int BottomMaxY = -1;
    int MinFormWidth = 0;

    // A missing picture counts as 0 x 0, so a skin without frame pictures gives a frame of 0.
    static SkinMetrics FromReader(const TSkinReader& reader);
};

// Positions in MenuColors.
namespace menucolors {
enum : int {
    BarStart,
    BarEnd,
    TopSelected,
    TopSelectedBorder,
    TopSelectedFont,
    TopFont,
    LeftBarStart,
    LeftBarEnd,
    Item,
    ItemFont,
    Selected,
    SelectedBorder,
    SelectedFont
};
}  // namespace menucolors

}  // namespace skin
