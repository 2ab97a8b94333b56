#pragma once

#include "skin/controls/TSkinControl.h"
#include "skin/controls/TabPainter.h"

class QTabBar;
class QTabWidget;

namespace skin {

// Paints a tab widget (QTabWidget) or a tab bar (QTabBar) completely from the skin, in place of
// its own painting: the page frame, every tab and the tab line, composed off screen and drawn
// in one go. Tabs are painted where the tab bar lays them out, so clicks, keys and switching
// stay the control's. The tab bar of a skinned tab widget paints nothing itself: the tab
// widget's picture, which shows through it, holds its tabs.
class TSkinTabControl : public TSkinControl {
public:
    TSkinTabControl(QWidget* control, SkinnerHost& window);

    bool BeforeMessage(QEvent* event) override;
    void Paint() override;

    // What the control shows, in its own coordinates.
    TabScene Scene() const;

private:
    bool PaintedByTabWidget() const;

    TabPainter painter_;
};

// Where the tabs of a bar of this shape stand.
TabSide SideOf(const QTabBar& bar);

}  // namespace skin
