#pragma once

#include "skin/controls/ParentColourSkinner.h"
#include "skin/controls/WidgetGuard.h"

class QSizeGrip;
class QStatusBar;

namespace skin {

// Status bars show their parent's colour; one with a size grip gets the skin's grip: four
// diagonal lines in the bottom right corner on the bar's colour, which also covers the rest of
// the window system's grip. The size grip widget still does the sizing, without painting itself.
class TSkinStatusBar : public ParentColourSkinner {
public:
    TSkinStatusBar(QStatusBar* bar, SkinnerHost& window);

    void Paint() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStatusBar* Bar() const;
    // The grip is made and remade by the bar; the one it has now is watched.
    QSizeGrip* WatchGrip();
    void DrawGrip(QPainter& painter, const QStatusBar& bar) const;

    WidgetGuard<QSizeGrip> grip_;
};

}  // namespace skin
