#include "ArtCatalog.h"

#include "ArtPieces.h"

namespace skin::artwork {

const std::vector<ArtElement>& Catalog() {
    static const std::vector<ArtElement> elements = {
        {"SKIN2_TITLEBAR1", {58, 48}, PaintTitleLeft},
        {"SKIN2_TITLEBAR2", {57, 48}, PaintTitleMiddle},
        {"SKIN2_TITLEBAR3", {176, 48}, PaintTitleRight},
        {"SKIN2_FORMLEFTBORDER", {1, 20}, PaintFrameBorder},
        {"SKIN2_FORMRIGHTBORDER", {1, 20}, PaintFrameBorder},
        {"SKIN2_FORMBOTTOMBORDER1", {100, 1}, PaintFrameBorder},
        {"SKIN2_MINIMIZEDTITLE", {160, 27}, PaintMinimizedTitle},
        {"SKIN2_TITLEBUTTONS", {342, 19}, PaintTitleButtons},
        {"SKIN2_CHECKEDMENUICON", {16, 16}, PaintCheckedMenuIcon},
        {"SKIN2_BUTTON", {204, 25}, PaintButton},
        {"SKIN2_CHECKBOX", {90, 15}, PaintCheckBox},
        {"SKIN2_CHECKBOXLIST", {44, 11}, PaintCheckBoxList},
        {"SKIN2_RADIOBUTTON", {60, 15}, PaintRadioButton},
        {"SKIN2_PROGRESSBAR1", {1, 10}, PaintProgressCap},
        {"SKIN2_PROGRESSBAR2", {6, 10}, PaintProgressFilled},
        {"SKIN2_PROGRESSBAR3", {6, 10}, PaintProgressEmpty},
        {"SKIN2_PROGRESSBAR4", {1, 10}, PaintProgressCap},
        {"SKIN2_TRACKBAR", {45, 5}, PaintTrackBar},
        {"SKIN2_TRACKBARSLIDER", {11, 21}, PaintTrackBarSlider},
        {"SKIN2_TRACKBARVSLIDER", {22, 11}, PaintTrackBarVSlider},
        {"SKIN2_SCROLLBARUPBUTTON", {48, 17}, PaintScrollBarUp},
        {"SKIN2_SCROLLBAR", {16, 21}, PaintScrollBarThumb},
        {"SKIN2_SCROLLBARDOWNBUTTON", {48, 17}, PaintScrollBarDown},
        {"SKIN2_TABCONTROL", {30, 17}, PaintTabs},
        {"SKIN2_TABCONTROLLINE", {8, 1}, PaintTabLine},
        {"SKIN2_SIDECHANNELBAR", {7, 84}, PaintSideChannelBar},
        {"SKIN2_SIDECHANNELTITLE", {1, 21}, PaintSideChannelTitle},
        {"SKIN2_SCROLLBUTTON", {68, 17}, PaintScrollButton},
    };
    return elements;
}

const ArtElement* FindElement(const QString& name) {
    for (const ArtElement& element : Catalog())
        if (element.Name == name) return &element;
    return nullptr;
}

}  // namespace skin::artwork
