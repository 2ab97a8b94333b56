// Check boxes (6 frames: checked, grayed, unchecked, then the same disabled), the small check
// boxes of check lists (4 frames: checked, unchecked, then the same disabled), radio buttons
// (4 frames: checked, unchecked, then the same disabled; drawn transparent, so magenta outside
// the circle) and the check mark of menu items (magenta around a small framed box).
#include "ArtPalette.h"
#include "ArtPieces.h"
#include "ArtShapes.h"

namespace skin::artwork {
namespace {

enum class Mark { Checked, Grayed, Unchecked };

struct Box {
    QColor top, bottom, border, mark;
};

Box BoxOf(bool enabled) {
    using namespace palette;
    if (!enabled) return {kDisabledFill, kDisabledFill, kDisabledBorder, kDisabledGlyph};
    return {kWhite, Mix(kWhite, kForm, 0.6), kControlBorder, kSelection};
}

// A check mark in `box`, scaled to its size.
void DrawTick(QPainter& painter, const QRectF& box, const QColor& colour, qreal width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.12, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.40, box.top() + box.height() * 0.80);
    tick.lineTo(box.left() + box.width() * 0.88, box.top() + box.height() * 0.18);
    painter.drawPath(tick);
}

void PaintCheck(QImage& frame, int inset, Mark mark, bool enabled) {
    const Box look = BoxOf(enabled);
    frame.fill(palette::kForm);
    SmoothPainter painter(&frame);
    const QRectF box = QRectF(frame.rect()).adjusted(inset, inset, -inset, -inset);
    FillAndFrame(painter, RoundedBox(box, 2), Vertical(box, look.top, look.bottom), look.border);
    const QRectF inside = box.adjusted(2.5, 2.5, -2.5, -2.5);
    if (mark == Mark::Checked) DrawTick(painter, inside, look.mark, frame.width() > 12 ? 2.0 : 1.6);
    if (mark == Mark::Grayed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Mix(look.mark, palette::kWhite, 0.35));
        painter.drawRoundedRect(inside.adjusted(1, 1, -1, -1), 1, 1);
    }
}

void PaintRadio(QImage& frame, bool checked, bool enabled) {
    const Box look = BoxOf(enabled);
    frame.fill(palette::kForm);
    const QRectF circle = QRectF(frame.rect()).adjusted(1, 1, -1, -1);
    QPainterPath outline;
    outline.addEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    {
        SmoothPainter painter(&frame);
        FillAndFrame(painter, outline, Vertical(circle, look.top, look.bottom), look.border);
        if (checked) {
            const QRectF dot = circle.adjusted(3.5, 3.5, -3.5, -3.5);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Vertical(dot, Mix(look.mark, palette::kWhite, 0.3), look.mark));
            painter.drawEllipse(dot);
        }
    }
    CutOutside(frame, outline);
}

}  // namespace

void PaintCheckBox(QImage& image) {
    PaintFrames(image, 6, [](QImage& frame, int index) {
        static const Mark kMarks[] = {Mark::Checked, Mark::Grayed, Mark::Unchecked};
        PaintCheck(frame, 1, kMarks[(index - 1) % 3], index <= 3);
    });
}

void PaintCheckBoxList(QImage& image) {
    PaintFrames(image, 4, [](QImage& frame, int index) {
        PaintCheck(frame, 0, index % 2 == 1 ? Mark::Checked : Mark::Unchecked, index <= 2);
    });
}

void PaintRadioButton(QImage& image) {
    PaintFrames(image, 4,
                [](QImage& frame, int index) { PaintRadio(frame, index % 2 == 1, index <= 2); });
}

void PaintCheckedMenuIcon(QImage& image) {
    // Shown on white and on the selection blue alike, so the mark brings its own small box; the
    // box has square edges so that no blended pixel meets the magenta around it.
    image.fill(palette::kMagenta);
    QPainter flat(&image);
    const QRect box(2, 2, 12, 12);
    flat.fillRect(box, palette::kSelection);
    flat.fillRect(box.adjusted(1, 1, -1, -1), Mix(palette::kWhite, palette::kForm, 0.35));
    flat.end();
    SmoothPainter painter(&image);
    DrawTick(painter, QRectF(box).adjusted(2.5, 2.5, -2.5, -2.5), palette::kSelection, 1.8);
}

}  // namespace skin::artwork
