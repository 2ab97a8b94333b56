#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

// Gives a control the skin's flat two-colour border over its own frame, drawn after the
// control's own painting. Controls without a frame get none.
class TSkinBorderWinControl : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    void Paint() override;

protected:
    void PaintBorder(QPainter& painter);
};

}  // namespace skin
