#include "skin/controls/TSkinLabel.h"

#include <QLabel>

#include "skin/controls/ControlColours.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/values/SkinValues.h"

namespace skin {

TSkinLabel::TSkinLabel(QLabel* label, SkinnerHost& window) : ParentColourSkinner(label, window) {}

void TSkinLabel::Init() {
    const QWidget* label = Control();
    ownTextColour_ = label && label->testAttribute(Qt::WA_SetPalette) &&
                     label->palette().isBrushSet(QPalette::Active, QPalette::WindowText);
}

void TSkinLabel::SkinOn() {
    const ColorRef font = Skin().GetSkinColor(colors::ControlFontColor);
    if (ownTextColour_ || font < 0) return;
    SetTextColour(Look(), Control(), QPalette::WindowText, ToQColor(font));
}

}  // namespace skin
