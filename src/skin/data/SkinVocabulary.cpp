#include "skin/data/SkinVocabulary.h"

namespace skin {
namespace {

constexpr std::array<const char*, kVocabularySize> kNames = {
    // Colours, index 0 to 31.
    "SKIN2_TRANSCOLOR",
    "SKIN2_TITLEFONTCOLOR",
    "SKIN2_FORMCOLOR",
    "SKIN2_MENUBARSTARTCOLOR",
    "SKIN2_MENUBARENDCOLOR",
    "SKIN2_TOPSELECTEDMENUCOLOR",
    "SKIN2_TOPSELECTEDMENUBORDERCOLOR",
    "SKIN2_TOPSELECTEDMENUFONTCOLOR",
    "SKIN2_TOPMENUFONTCOLOR",
    "SKIN2_LEFTBARSTARTCOLOR",
    "SKIN2_LEFTBARENDCOLOR",
    "SKIN2_MENUITEMCOLOR",
    "SKIN2_MENUITEMFONTCOLOR",
    "SKIN2_SELECTEDMENUCOLOR",
    "SKIN2_SELECTEDMENUBORDERCOLOR",
    "SKIN2_SELECTEDMENUFONTCOLOR",
    "SKIN2_TOOLBARSTARTCOLOR",
    "SKIN2_TOOLBARENDCOLOR",
    "SKIN2_TOOLBARONCOLOR",
    "SKIN2_TOOLBARBORDERCOLOR",
    "SKIN2_TOOLBARDOWNCOLOR",
    "SKIN2_CONTROLCOLOR",
    "SKIN2_CONTROLBORDERCOLOR",
    "SKIN2_CONTROLFONTCOLOR",
    "SKIN2_BUTTONFONTCOLOR",
    "SKIN2_SCROLLBARCOLOR",
    "SKIN2_TABCONTROLCOLOR",
    "SKIN2_TABCONTROLBORDERCOLOR",
    "SKIN2_TABCONTROLACTIVEFONTCOLOR",
    "SKIN2_TABCONTROLINACTIVEFONTCOLOR",
    "SKIN2_SIDECHANNELCOLOR",
    "SKIN2_SIDECHANNELBORDERCOLOR",
    // Bitmaps, index 0 to 33.
    "SKIN2_TITLEBAR1",
    "SKIN2_TITLEBAR2",
    "SKIN2_TITLEBAR3",
    "SKIN2_TITLEBAR4",
    "SKIN2_TITLEBAR5",
    "SKIN2_FORMLEFTBORDER",
    "SKIN2_FORMRIGHTBORDER",
    "SKIN2_FORMBOTTOMBORDER1",
    "SKIN2_FORMBOTTOMBORDER2",
    "SKIN2_FORMBOTTOMBORDER3",
    "SKIN2_MINIMIZEDTITLE",
    "SKIN2_TITLEBUTTONS",
    "SKIN2_CHECKEDMENUICON",
    "SKIN2_MENUBAR",
    "SKIN2_TOOLBAR",
    "SKIN2_BUTTON",
    "SKIN2_CHECKBOX",
    "SKIN2_CHECKBOXLIST",
    "SKIN2_RADIOBUTTON",
    "SKIN2_PROGRESSBAR1",
    "SKIN2_PROGRESSBAR2",
    "SKIN2_PROGRESSBAR3",
    "SKIN2_PROGRESSBAR4",
    "SKIN2_TRACKBAR",
    "SKIN2_TRACKBARSLIDER",
    "SKIN2_TRACKBARVSLIDER",
    "SKIN2_SCROLLBARUPBUTTON",
    "SKIN2_SCROLLBAR",
    "SKIN2_SCROLLBARDOWNBUTTON",
    "SKIN2_TABCONTROL",
    "SKIN2_TABCONTROLLINE",
    "SKIN2_SIDECHANNELBAR",
    "SKIN2_SIDECHANNELTITLE",
    "SKIN2_SCROLLBUTTON",
    // Metrics, index 0 to 8.
    "SKIN2_TITLEBARICONPOSX",
    "SKIN2_TITLEBARICONPOSY",
    "SKIN2_TITLEBARCAPTIONTOP",
    "SKIN2_TITLEBARBUTTONPOSX",
    "SKIN2_TITLEBARBUTTONPOSY",
    "SKIN2_TITLEBARREGIONMINY",
    "SKIN2_TITLEBARREGIONMAXY",
    "SKIN2_BOTTOMREGIONMINY",
    "SKIN2_BOTTOMREGIONMAXY",
    // Flags, index 0 to 8.
    "SKIN2_TITLEFIVESECT",
    "SKIN2_BOTTOMBORDERTHREESECT",
    "SKIN2_TITLEBARNEEDREGION",
    "SKIN2_BOTTOMBORDERNEEDREGION",
    "SKIN2_TITLEBTNTRANS",
    "SKIN2_BUTTONTRANS",
    "SKIN2_CHECKBOXTRANS",
    "SKIN2_RADIOBUTTONTRANS",
    "SKIN2_TABCONTROLTRANS",
};

struct GroupRange {
    int Base;
    int Count;
};

constexpr int kColors = colors::Count, kBitmaps = bitmaps::Count, kMetrics = metrics::Count;

constexpr GroupRange Range(ElementGroup group) {
    switch (group) {
        case ElementGroup::Color:
            return {0, kColors};
        case ElementGroup::Bitmap:
            return {kColors, kBitmaps};
        case ElementGroup::Metric:
            return {kColors + kBitmaps, kMetrics};
        case ElementGroup::Flag:
            return {kColors + kBitmaps + kMetrics, flags::Count};
    }
    return {0, 0};
}

static_assert(Range(ElementGroup::Bitmap).Base == 32 && Range(ElementGroup::Metric).Base == 66 &&
              Range(ElementGroup::Flag).Base == 75);
static_assert(Range(ElementGroup::Flag).Base + flags::Count == kVocabularySize);

}  // namespace

const std::array<const char*, kVocabularySize>& SkinElementNames() { return kNames; }

const char* ElementName(ElementGroup group, int index) {
    const GroupRange range = Range(group);
    index &= 0x7F;
    return index < range.Count ? kNames[range.Base + index] : nullptr;
}

}  // namespace skin
