#pragma once

#include "skin/controls/TSkinControl.h"

class QPainter;
class QToolButton;

namespace skin {

// Tool buttons. Alone, a tool button is painted whole: the skin's pressed colour while held or
// checked, its hot colour under the mouse, the form colour otherwise, with icon and caption laid
// out as on a bitmap button. On a skinned tool bar it takes the tool bar's looks instead
// (ToolBarButtonLook) and draws itself when none applies. A button tagged kOwnPaintingTag keeps
// its own painting inside a flat frame. Clicks stay the button's own.
class TSkinSpeedButton : public TSkinControl {
public:
    static constexpr int kOwnPaintingTag = 999999;

    TSkinSpeedButton(QToolButton* button, SkinnerHost& window);

    bool BeforeMessage(QEvent* event) override;
    void Paint() override;

private:
    QToolButton* Button() const;
    bool OnSkinnedToolBar() const;
    bool KeepsOwnPainting() const;
    // Whether the skin paints the button whole this time, its own painting left out.
    bool PaintsWhole() const;
    void PaintAlone(QPainter& painter, const QToolButton& button) const;
    void PaintGlyphAndCaption(QPainter& painter, const QToolButton& button, int faceRight) const;
};

}  // namespace skin
