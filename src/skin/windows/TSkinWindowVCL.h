#pragma once

#include <QList>
#include <QMenuBar>
#include <QPointer>
#include <memory>

#include "skin/controls/WidgetLook.h"
#include "skin/windows/TSkinWindow.h"

class QMenu;

namespace skin {

class TSkinMdiFrame;

// The skin frame on one of the application's own forms (main windows, dialogs and windows of the
// program). Its window flags decide what the frame shows; a form without a title of its own (a
// frameless popup) gets no frame but the skin's colours. While skinned the form also gets the
// skin's form colour, a skinned menu bar, skinned menus and a minimum size that fits the frame;
// when the form is maximised it covers the screen's work area.
class TSkinWindowVCL : public TSkinWindow {
public:
    TSkinWindowVCL(QWidget* form, bool skinnedOnActivation, WindowEngine& engine);
    ~TSkinWindowVCL() override;

    QWidget* Form() const { return Window(); }
    // The form's menu bar; none when it has none.
    QMenuBar* MenuBar() const;
    // A form holding an MDI area is an MDI frame; none for other forms.
    TSkinMdiFrame* MdiFrame() const { return mdi_.get(); }

    bool NeedsRegion() const override;
    int MenuBarHeight() const override;
    bool HasHelpButton() const override;
    bool IsDialog() const override;
    bool HasSystemIcon() const override;
    bool HasCloseButton() const override;
    bool HasMaxButton() const override;
    bool HasMinButton() const override;
    bool InitWhenHidden() const override { return true; }

protected:
    void ApplySkinState() override;
    void SaveOriginalFrame() override;
    void AfterDefault(QEvent* event) override;
    void Attach() override;

private:
    Qt::WindowType OwnType() const;
    void SetMinConstraints();
    void SkinMenus(bool on);
    void SkinMenuBar(bool on);
    void FitMaximized(bool resized);

    Qt::WindowFlags ownFlags_;
    bool allFormsSkinned_ = false;
    QList<QPointer<QMenu>> menus_;
    WidgetLook menuBarLook_;
    QRect fitted_;       // the work area given to the maximised form
    QRect normalPlace_;  // where it stood before
    std::unique_ptr<TSkinMdiFrame> mdi_;
};

}  // namespace skin
