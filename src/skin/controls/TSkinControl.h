#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "skin/controls/WidgetLook.h"
#include "skin/data/Bitmap.h"

class QPainter;

namespace skin {

class SkinnerHost;
class SkinValues;

// The companion of one control in a skinned window. It sits in the control's event path as an
// event filter: BeforeMessage may swallow an event; otherwise the control's own handler runs
// there and then, and AfterMessage follows, which keeps the Hot and Pressed state and repaints.
// The control keeps its behaviour; families of skinners paint it from the skin.
class TSkinControl : public QObject {
public:
    TSkinControl(QWidget* control, SkinnerHost& window);
    ~TSkinControl() override;
    TSkinControl(const TSkinControl&) = delete;
    TSkinControl& operator=(const TSkinControl&) = delete;

    // Puts the skinner into the control's event path, marks the control skinned, then Init.
    void Attach();
    // The control gets its events straight again and loses the mark; its look is put back.
    void Detach();

    QWidget* Control() const { return control_; }  // none once the control is gone
    SkinnerHost& Window() const { return window_; }
    const SkinValues& Skin() const { return skin_; }
    bool Hot() const { return state_ & kHot; }
    bool Pressed() const { return state_ & kPressed; }
    bool Released() const { return released_; }

    // The control's own handling runs only when this returns true.
    virtual bool BeforeMessage(QEvent* event);
    // The state dispatcher: enter and leave make the control hot and not, the left button and
    // Space or Enter press it, and each of these, like enabling and text changes, repaints.
    virtual void AfterMessage(QEvent* event);
    // Painting from the skin, inside the control's paint event after its own painting.
    virtual void Paint() {}
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void MouseDown() {}
    virtual void MouseUp() {}
    virtual void KeyDown(int key) {}
    virtual void KeyUp(int key) {}
    // Puts the skin's colours on while the engine skins, the saved ones back when it does not.
    virtual void ApplySkin() {}
    // Once, after Attach: save what ApplySkin will change, make auxiliary widgets.
    virtual void Init() {}
    // Once, before the skinner goes: after this AfterMessage is no longer called.
    virtual void Release();
    virtual QRect GetRect() const;
    virtual bool GetEnabled() const;
    // The control shows its parent's background colour while skinned.
    virtual bool WantsParentColor() const { return false; }
    // The control's children are its own parts, painted by this skinner; the walk leaves them.
    virtual bool SkinsOwnChildren() const { return false; }

    // Makes the control show its parent's background; undone with the rest of its look.
    void InheritParentColor();

    // Sent to a skinned control to make it repaint.
    static QEvent::Type RepaintEvent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    WidgetLook& Look() { return look_; }
    // Repaints the control through its paint event.
    void Repaint();
    // Painting helpers for Paint: the picture's GetRect part onto the same part of the control,
    // then the text centred in `rect` (grey when disabled, one pixel down and right when
    // pressed).
    void PaintBitmapText(QPainter& painter, const QImage& picture, const QString& text, QRect rect,
                         const QFont* font, const QColor& colour);
    void DrawBitmapAt(QPainter& painter, const Bitmap& bitmap, const QPoint& at);
    // True while the control gets its events straight, unskinned.
    bool Passes() const;

private:
    static constexpr int kHot = 1;
    static constexpr int kPressed = 2;

    bool RunsAfterDefault(QEvent::Type type) const;
    void SetState(int flag, bool on);

    QPointer<QWidget> control_;
    SkinnerHost& window_;
    const SkinValues& skin_;  // taken from the window once: every event asks it
    WidgetLook look_;
    int state_ = 0;
    bool released_ = false;
    bool attached_ = false;
};

}  // namespace skin
