#include "skin/controls/TSkinDateTimePicker.h"

#include <QDateTimeEdit>

#include "skin/controls/SkinFieldStyle.h"
#include "skin/values/SkinMarks.h"

namespace skin {

bool TSkinDateTimePicker::UsesDropDown() const {
    const auto* edit = qobject_cast<const QDateTimeEdit*>(Control());
    return edit && edit->calendarPopup() &&
           (edit->displayedSections() & QDateTimeEdit::DateSections_Mask);
}

std::unique_ptr<QStyle> TSkinDateTimePicker::MakeStyle(QStyle* base) {
    return std::make_unique<SkinFieldStyle>(Skin(), base, TagOf(Control()) != kNativeSpinTag);
}

}  // namespace skin
