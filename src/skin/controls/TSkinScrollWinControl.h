#pragma once

#include <memory>

#include "skin/controls/StyledWidget.h"
#include "skin/controls/TSkinBorderWinControl.h"

class QAbstractScrollArea;
class QScrollBar;

namespace skin {

// Edits, memos, lists, trees, scroll boxes: the skin's border and, for scrolling controls, their
// own scroll bars painted from the skin (each bar wears the skin's scroll bar style, so it keeps
// scrolling as it did). A single-line edit has no bars and gets the border only.
class TSkinScrollWinControl : public TSkinBorderWinControl {
public:
    using TSkinBorderWinControl::TSkinBorderWinControl;

    void Init() override;
    void Release() override;
    void ApplySkin() override;
    void Paint() override;

    // The control's scroll bars as skinned now; none for a control without them.
    QScrollBar* VBar() const;
    QScrollBar* HBar() const;

protected:
    QAbstractScrollArea* Area() const;

private:
    // The bars the control has now: a bar it was given in place of another is taken over.
    void UpdateBars();
    // The bars in the skin's look while the engine skins, in their own otherwise.
    void WearBars();
    void PaintCorner(QPainter& painter);

    std::unique_ptr<StyledWidget> vBar_;
    std::unique_ptr<StyledWidget> hBar_;
};

}  // namespace skin
