#include "skin/controls/SkinScrollBarStyle.h"

#include <QPainter>
#include <QStyleOptionSlider>

#include "skin/controls/ScrollBarPainter.h"
#include "skin/draw/Blit.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

// A bar without range, or disabled, shows its arrows and track but no thumb.
bool ShowsThumb(const QStyleOptionSlider& bar) {
    return (bar.state & QStyle::State_Enabled) && bar.maximum > bar.minimum;
}

// The window system's focus rectangle: every other pixel of its outline inverted.
void DrawFocusRect(QPainter& painter, const QRect& rect) {
    if (rect.width() < 2 || rect.height() < 2) return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen dots(Qt::white, 0);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

}  // namespace

SkinScrollBarStyle::SkinScrollBarStyle(const SkinValues& skin, QStyle* base)
    : QProxyStyle(base), skin_(skin) {}

void SkinScrollBarStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex* option, QPainter* painter,
                                            const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || !skin_.IsSkinning() || !skin_.DrawScrollBar() ||
        bar->rect.isEmpty()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Composed off screen in the bar's own coordinates, then drawn in one go.
    const QPoint origin = bar->rect.topLeft();
    auto part = [&](SubControl sub) {
        return subControlRect(CC_ScrollBar, bar, sub, widget).translated(-origin);
    };
    ScrollBarParts parts;
    parts.Bar = QRect(QPoint(0, 0), bar->rect.size());
    parts.FirstButton = part(SC_ScrollBarSubLine);
    parts.SecondButton = part(SC_ScrollBarAddLine);
    parts.Thumb = part(SC_ScrollBarSlider);
    parts.ThumbShown = ShowsThumb(*bar);
    parts.Vertical = bar->orientation == Qt::Vertical;
    QImage picture(parts.Bar.size(), QImage::Format_RGB32);
    QPainter canvas(&picture);
    PaintScrollBar(canvas, skin_, parts);
    if (parts.ThumbShown && (bar->state & State_HasFocus))
        DrawFocusRect(canvas, parts.Thumb.adjusted(1, 1, -1, -1));
    canvas.end();
    ExactPainting exact(*painter);
    painter->drawImage(origin, picture);
}

}  // namespace skin
