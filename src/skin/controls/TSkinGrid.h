#pragma once

#include "skin/controls/TSkinScrollWinControl.h"

namespace skin {

// Tables: as any scrolling control, and their fixed cells (the headers and the corner) in the
// form's colour while skinned.
class TSkinGrid : public TSkinScrollWinControl {
public:
    using TSkinScrollWinControl::TSkinScrollWinControl;

    void Init() override;
    void Release() override;
    void ApplySkin() override;

private:
    void MarkHeaders(bool on);
};

}  // namespace skin
