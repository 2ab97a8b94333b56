#include "skin/controls/TSkinStatusBar.h"

#include <QPainter>
#include <QSizeGrip>
#include <QStatusBar>
#include <cstdlib>

#include "skin/draw/Blit.h"
#include "skin/draw/Geometry.h"

namespace skin {
namespace {

// A line of 45 degrees from `from` towards `to`, the end point left out as the window system
// draws lines.
void DrawDiagonal(QPainter& painter, QPoint from, QPoint to, const QColor& colour) {
    const int steps = std::abs(to.x() - from.x());
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()),
                      (to.y() > from.y()) - (to.y() < from.y()));
    for (int i = 0; i < steps; ++i) painter.fillRect(QRect(from + step * i, QSize(1, 1)), colour);
}

}  // namespace

TSkinStatusBar::TSkinStatusBar(QStatusBar* bar, SkinnerHost& window)
    : ParentColourSkinner(bar, window) {}

QStatusBar* TSkinStatusBar::Bar() const { return static_cast<QStatusBar*>(Control()); }

QSizeGrip* TSkinStatusBar::WatchGrip() {
    QStatusBar* bar = Bar();
    QSizeGrip* grip =
        bar ? bar->findChild<QSizeGrip*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (grip && grip != grip_) grip->installEventFilter(this);
    grip_ = grip;
    return grip;
}

bool TSkinStatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (!grip_ || watched != grip_) return TSkinControl::eventFilter(watched, event);
    return event->type() == QEvent::Paint && !Passes();
}

void TSkinStatusBar::Paint() {
    QStatusBar* bar = Bar();
    const QSizeGrip* grip = WatchGrip();
    if (!bar || !bar->isSizeGripEnabled() || !grip || !grip->isVisible()) return;
    QPainter painter(bar);
    DrawGrip(painter, *bar);
}

void TSkinStatusBar::DrawGrip(QPainter& painter, const QStatusBar& bar) const {
    ExactPainting exact(painter);
    const int w = bar.width();
    const int h = bar.height();
    const QColor colour = bar.palette().color(QPalette::Window);
    const QRect g = RectLTRB(w - 16, h - 15, w - 1, h - 1);
    painter.fillRect(g, colour);
    // The window system's inactive caption colour has no palette role; the dark shade stands in.
    const QColor line = bar.palette().color(QPalette::Dark);
    const int right = RightOf(g);
    const int bottom = BottomOf(g);
    DrawDiagonal(painter, QPoint(g.x() + 1, bottom), QPoint(right, g.y()), line);
    for (int i = 0; i < 3; ++i) {
        DrawDiagonal(painter, QPoint(g.x() + 4 * i + 5, bottom), QPoint(right, g.y() + 4 * i + 4),
                     line);
    }
    if (h - 15 > 3) painter.fillRect(RectLTRB(w - 16, 3, w - 1, h - 15), colour);
    painter.fillRect(RectLTRB(w - 20, 3, w - 16, h - 1), colour);
}

}  // namespace skin
