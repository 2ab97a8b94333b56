#pragma once

#include <QObject>
#include <QPointer>
#include <QShortcut>
#include <QWidget>
#include <memory>

#include "skin/controls/ControlSkinning.h"
#include "skin/controls/SkinnerHost.h"
#include "skin/controls/WidgetLook.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/FramePainter.h"
#include "skin/windows/WindowLook.h"

namespace skin {

class FrameMouse;
class SkinValues;
class WindowEngine;

// The skin's frame around one top-level window, and the owner of the skinners of its controls.
// While the skin is on, the window is frameless and the frame is painted in the margins kept
// around its contents: title bar with icon, caption and buttons, side and bottom borders, and
// the window's shape as a mask. The mouse on the frame moves, resizes, maximises, minimises and
// closes the window and opens the system menu. Descendants adapt it to application forms and to
// standard dialogs.
//
// A Qt window has no frame of its own while skinned, so the frame measured before skinning
// (title height, border widths) is 0 and the skin's frame is the whole frame.
class TSkinWindow : public QObject, public SkinnerHost {
public:
    // The steps of a skin window's life, in order.
    enum class Lifecycle {
        Created,      // not yet in the window's event path
        Attached,     // in it; the window's own frame not yet measured
        Initialized,  // the own frame measured, the skin state applied since
        Ending,       // the skin comes off and the skinners go
        Detached,     // out of the event path for good
    };

    TSkinWindow(QWidget* window, bool skinnedOnActivation, WindowEngine& engine);
    ~TSkinWindow() override;

    // Hooks the window, attaches the skinners of its controls and puts the skin on when the
    // engine skins. Called once, right after construction.
    void Start();
    // The window goes with its form (the engine's own form being destroyed): nothing of it is
    // put back.
    void WindowGoing() { windowGoing_ = true; }

    WindowEngine& Engine() const { return engine_; }
    const SkinValues& Skin() const override { return skin_; }
    QWidget* Window() const { return window_; }
    bool SkinnedOnActivation() const { return skinnedOnActivation_; }
    Lifecycle Stage() const { return stage_; }
    bool Destroying() const { return stage_ >= Lifecycle::Ending; }
    bool Skinned() const override { return skinned_; }
    bool SkinEnabled() const { return skinEnabled_; }
    bool Active() const { return active_; }
    // The skin look is on: the engine skins and the window wants it.
    bool LookOn() const;
    bool IsFormActive(const QWidget* control) const override;

    bool HasTitle() const { return hasTitle_; }
    bool HasBorders() const { return hasBorders_; }
    void SetHasTitle(bool on);
    void SetHasBorders(bool on);
    int EffectiveTitleHeight() const;

    int HotButton() const { return hotButton_; }
    bool ButtonPressed() const { return buttonPressed_; }
    void SetHotButton(int element);
    void SetButtonPressed(bool pressed);
    bool CloseButtonShown() const;
    bool MaxButtonShown() const;
    bool MinButtonShown() const;

    void SetSkinned(bool on);
    // The engine loaded a skin.
    void SkinChanged();
    // Repaints the frame.
    void PaintFrame();
    // Gives the window the skin's shape.
    void ApplyRegion();

    // Caption button actions, carried out once the current event is handled.
    virtual void Close();
    void Minimize();
    void MaximizeOrRestore();
    void Help();
    void ShowSystemMenu();
    void ShowSystemMenuAt(const QPoint& global);

    FrameGeometry Geometry() const;
    TitleState CurrentTitleState() const;
    FramePainter& Painter() { return painter_; }
    ControlSkinning& Controls() { return controls_; }

    // What the window shows; the adaptations decide.
    virtual bool NeedsRegion() const { return true; }
    virtual int MenuBarHeight() const { return 0; }
    virtual bool HasHelpButton() const { return false; }
    virtual bool IsDialog() const { return false; }
    virtual bool HasSystemIcon() const { return false; }
    virtual bool HasCloseButton() const { return true; }
    virtual bool HasMaxButton() const { return false; }
    virtual bool HasMinButton() const { return false; }
    virtual bool InitWhenHidden() const { return false; }
    virtual bool IsResizable() const;

protected:
    // Puts the skin look on the window and its controls, or takes it off, by LookOn.
    virtual void ApplySkinState() = 0;
    // Measures what the window looks like before skinning.
    virtual void SaveOriginalFrame() {}
    // Before the window's own handling of an event; false swallows it.
    virtual bool BeforeDefault(QEvent* event);
    // After the skin window's own handling of an event; the change the event reports has
    // already taken place.
    virtual void AfterDefault(QEvent* event);
    virtual void Attach();
    virtual void Detach();

    // The frame, the form colour and the shape on; and off again.
    void PutFrameOn();
    void TakeFrameOff();
    WindowLook& Look() { return look_; }
    WidgetLook& Colours() { return colours_; }
    bool WindowGoingAway() const { return windowGoing_ || !window_; }
    // The descendant's destructor takes the skin off, lets the skinners go and unhooks.
    void Shutdown();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Initialize();
    bool PaintAfterDefault(QEvent* event);
    void Refit();

    WindowEngine& engine_;
    const SkinValues& skin_;
    QPointer<QWidget> window_;
    WindowLook look_;
    WidgetLook colours_;
    ControlSkinning controls_;
    FramePainter painter_;
    std::unique_ptr<FrameMouse> mouse_;
    QPointer<QShortcut> menuKey_;  // Alt+Space opens the system menu
    const bool skinnedOnActivation_;
    const bool skinEnabled_;  // false for a window carrying the DisabledTag
    Lifecycle stage_ = Lifecycle::Created;
    bool windowGoing_ = false;  // the window is being destroyed with its form
    bool skinned_ = false;
    bool active_ = true;
    bool hasTitle_ = true;
    bool hasBorders_ = true;
    int hotButton_ = caption::kNone;
    bool buttonPressed_ = false;
};

// The caption colour of an inactive window: the palette's disabled window text.
QColor InactiveCaptionColor(const QPalette& palette);

}  // namespace skin
