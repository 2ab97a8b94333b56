#pragma once

#include "skin/controls/TSkinStyledControl.h"

namespace skin {

// Date and time editors: with a calendar popup the skin's drop button, without one the skin's
// spin buttons; an editor tagged kNativeSpinTag keeps its own spin buttons. Both keep the
// skin's flat frame.
class TSkinDateTimePicker : public TSkinStyledControl {
public:
    static constexpr int kNativeSpinTag = 9998;

    using TSkinStyledControl::TSkinStyledControl;

    // The editor shows a drop button (its calendar pops up) rather than spin buttons.
    bool UsesDropDown() const;

protected:
    std::unique_ptr<QStyle> MakeStyle(QStyle* base) override;
};

}  // namespace skin
