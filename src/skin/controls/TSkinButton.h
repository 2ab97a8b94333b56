#pragma once

#include <QImage>

#include "skin/controls/TSkinControl.h"

class QPushButton;

namespace skin {

// Push buttons, painted whole from the skin's button picture: normal, hot or pressed face
// stretched by its corners, the focus rectangle, the icon and the caption in the skin's button
// font colour. The skinner also makes the clicks: a left press on a button of the active form
// arms it and the release over it clicks; Enter clicks at once, Space when it is let go. The
// button's own press handling never sees these events, so it cannot click a second time.
class TSkinButton : public TSkinControl {
public:
    TSkinButton(QPushButton* button, SkinnerHost& window);

    bool BeforeMessage(QEvent* event) override;
    void AfterMessage(QEvent* event) override;
    void Paint() override;
    void MouseDown() override;
    void MouseUp() override;
    void KeyDown(int key) override;
    void KeyUp(int key) override;
    void ApplySkin() override;
    void Init() override;

    bool MouseDownArmed() const { return mouseDownArmed_; }
    bool KeyDownArmed() const { return keyDownArmed_; }

private:
    QPushButton* Button() const;
    bool BeforeMouse(QEvent* event);
    bool BeforeKey(QEvent* event);
    // Hands an event the button must not see to the state dispatcher; false, to swallow it.
    bool Dispatch(QEvent* event);
    // The face without the caption; `textRect` gets where the caption goes.
    QImage Face(const QPushButton& button, QRect& textRect);
    QRect DrawIcon(QPainter& painter, const QPushButton& button) const;
    // Last, for the click may take the button, or its window, away.
    void Click();

    bool mouseDownArmed_ = false;
    bool keyDownArmed_ = false;
    bool releaseInside_ = false;
};

}  // namespace skin
