#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

#include "skin/controls/WidgetGuard.h"
#include "skin/windows/MdiControlButtons.h"
#include "skin/windows/MdiMenuBar.h"

class QMdiArea;
class QMdiSubWindow;

namespace skin {

class MdiChildStyle;
class TSkinWindowVCL;

// What makes a skinned form holding an MDI area an MDI frame: its children get the skin's
// frames (an MdiChildStyle each, in the form colour); the active child's menu shows on the
// form's menu bar and the window menu lists the children; a maximised active child leaves its
// minimise, restore and close buttons at the right of the menu row. All of it comes off with
// the skin.
class TSkinMdiFrame : public QObject {
public:
    TSkinMdiFrame(TSkinWindowVCL& window, QMdiArea* area);
    ~TSkinMdiFrame() override;

    void Apply(bool on);

    QMdiArea* Area() const { return area_; }
    const MdiMenuBar& MenuBar() const { return menuBar_; }
    // The control buttons on the menu row; none until a child was first maximised.
    MdiControlButtons* ControlButtons() const { return buttons_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Child;

    void AdoptChildren();
    Child& Adopt(QMdiSubWindow* window);
    void SkinChild(Child& child, bool on);
    void ChildGone(QObject* window);
    void ChildEvent(QMdiSubWindow* window, QEvent* event);
    void ChildActivated(QMdiSubWindow* window);
    void UpdateMenuBar(bool force);
    void RebuildWindowMenu();
    void ShowMDIButtons();
    void HideMDIButtons();
    void MDIControlClick(TSkinMenuBarControlButton::Kind kind);

    TSkinWindowVCL& window_;
    WidgetGuard<QMdiArea> area_;
    MdiMenuBar menuBar_;
    std::vector<std::unique_ptr<Child>> children_;
    QPointer<MdiControlButtons> buttons_;
    QPointer<QWidget> previousCorner_;
    bool on_ = false;
    bool rebuildPending_ = false;
};

}  // namespace skin
