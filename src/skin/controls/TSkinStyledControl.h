#pragma once

#include <memory>

#include "skin/controls/StyledWidget.h"
#include "skin/controls/TSkinControl.h"

namespace skin {

// A skinner whose control is painted by a skin style while the engine skins: the style draws
// the parts Qt paints through it, where Qt's own geometry puts them, so painting and the places
// that answer the mouse agree. The control's own style comes back when the skin goes off.
class TSkinStyledControl : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    void Init() override;
    void Release() override;
    void ApplySkin() override;

protected:
    // The skin style, standing on `base` (owned by the style).
    virtual std::unique_ptr<QStyle> MakeStyle(QStyle* base) = 0;

private:
    std::unique_ptr<StyledWidget> styled_;
};

}  // namespace skin
