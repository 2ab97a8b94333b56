#pragma once

#include "skin/controls/TSkinScrollWinControl.h"

namespace skin {

// Lists and trees with columns: as any scrolling control, and their column header painted from
// the skin (flat sections in the form's colour, captions in the control font colour).
class TSkinListView : public TSkinScrollWinControl {
public:
    using TSkinScrollWinControl::TSkinScrollWinControl;

    void Init() override;
    void Release() override;
    void ApplySkin() override;

private:
    std::unique_ptr<StyledWidget> header_;
};

}  // namespace skin
