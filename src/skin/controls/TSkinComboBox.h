#pragma once

#include <QPointer>

#include "skin/controls/TSkinStyledControl.h"

namespace skin {

class ComboPopupFrame;

// Combo boxes, editable or not: the skin's flat frame and drop button, and while the list is
// open a one-pixel frame in the control border colour around it. The combo box opens its list
// by mouse and keys as before.
class TSkinComboBox : public TSkinStyledControl {
public:
    TSkinComboBox(QWidget* control, SkinnerHost& window);
    ~TSkinComboBox() override;

    void Init() override;
    void Release() override;

protected:
    std::unique_ptr<QStyle> MakeStyle(QStyle* base) override;

private:
    std::unique_ptr<ComboPopupFrame> popupFrame_;
};

// Font combo boxes: a combo box like any other.
class TSkinComboBoxEx : public TSkinComboBox {
public:
    using TSkinComboBox::TSkinComboBox;
};

}  // namespace skin
