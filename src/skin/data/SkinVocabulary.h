#pragma once

#include <array>

// The element names the system knows, split into four groups. Painters name an element by its
// group and its index within the group, never by its name.
namespace skin {

enum class ElementGroup { Color, Bitmap, Metric, Flag };

inline constexpr int kVocabularySize = 84;

// All 84 names in table order: colours, bitmaps, metrics, flags.
const std::array<const char*, kVocabularySize>& SkinElementNames();

// The name of element `index` of `group` (the index taken modulo 128, as painters pass it), or
// nullptr when the group has no such index.
const char* ElementName(ElementGroup group, int index);

namespace colors {
enum : int {
    TransColor,
    TitleFontColor,
    FormColor,
    MenuBarStartColor,
    MenuBarEndColor,
    TopSelectedMenuColor,
    TopSelectedMenuBorderColor,
    TopSelectedMenuFontColor,
    TopMenuFontColor,
    LeftBarStartColor,
    LeftBarEndColor,
    MenuItemColor,
    MenuItemFontColor,
    SelectedMenuColor,
    SelectedMenuBorderColor,
    SelectedMenuFontColor,
    ToolBarStartColor,
    ToolBarEndColor,
    ToolBarOnColor,
    ToolBarBorderColor,
    ToolBarDownColor,
    ControlColor,
    ControlBorderColor,
    ControlFontColor,
    ButtonFontColor,
    ScrollBarColor,
    TabControlColor,
    TabControlBorderColor,
    TabControlActiveFontColor,
    TabControlInactiveFontColor,
    SideChannelColor,
    SideChannelBorderColor,
    Count
};
}  // namespace colors

namespace bitmaps {
enum : int {
    TitleBar1,
    TitleBar2,
    TitleBar3,
    TitleBar4,
    TitleBar5,
    FormLeftBorder,
    FormRightBorder,
    FormBottomBorder1,
    FormBottomBorder2,
    FormBottomBorder3,
    MinimizedTitle,
    TitleButtons,
    CheckedMenuIcon,
    MenuBar,
    ToolBar,
    Button,
    CheckBox,
    CheckBoxList,
    RadioButton,
    ProgressBar1,
    ProgressBar2,
    ProgressBar3,
    ProgressBar4,
    TrackBar,
    TrackBarSlider,
    TrackBarVSlider,
    ScrollBarUpButton,
    ScrollBar,
    ScrollBarDownButton,
    TabControl,
    TabControlLine,
    SideChannelBar,
    SideChannelTitle,
    ScrollButton,
    Count
};
}  // namespace bitmaps

namespace metrics {
enum : int {
    TitleBarIconPosX,
    TitleBarIconPosY,
    TitleBarCaptionTop,
    TitleBarButtonPosX,
    TitleBarButtonPosY,
    TitleBarRegionMinY,
    TitleBarRegionMaxY,
    BottomRegionMinY,
    BottomRegionMaxY,
    Count
};
}  // namespace metrics

namespace flags {
enum : int {
    TitleFiveSect,
    BottomBorderThreeSect,
    TitleBarNeedRegion,
    BottomBorderNeedRegion,
    TitleBtnTrans,
    ButtonTrans,
    CheckBoxTrans,
    RadioButtonTrans,
    TabControlTrans,
    Count
};
}  // namespace flags

}  // namespace skin
