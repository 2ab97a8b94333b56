// Scroll bar arrow buttons (3 frames of 16 x 17: normal, hot, pressed; only the first is shown)
// and the thumb (16 x 21). Magenta round the shapes becomes the scroll bar colour at load, so
// the shapes are drawn on that colour. The thumb is cut in rows: 0-2 and 18-20 are its ends,
// 4-8 and 13-17 are stretched, 9-13 hold the grip; so the body is uniform down its length.
#include "ArtPalette.h"
#include "ArtPieces.h"
#include "ArtShapes.h"

namespace skin::artwork {
namespace {

enum class State { Normal, Hot, Pressed };

void PaintArrowButton(QImage& frame, State state, bool up) {
    using namespace palette;
    const QColor top = state == State::Pressed ? kPressedTop
                       : state == State::Hot   ? kHotTop
                                               : kWhite;
    const QColor bottom = state == State::Pressed ? kPressedBottom
                          : state == State::Hot   ? kHotBottom
                                                  : Mix(kWhite, kForm, 0.55);
    const QColor border = state == State::Normal ? Mix(kSoftBorder, kWhite, 0.35) : kHotBorder;
    frame.fill(kScrollBack);
    const QRectF box = QRectF(frame.rect()).adjusted(1, 1, -1, -1);
    const QPainterPath shape = RoundedBox(box, 3);
    {
        SmoothPainter painter(&frame);
        FillAndFrame(painter, shape, Horizontal(box, top, bottom), border);
        QPen pen(kGlyph, 1.6);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        const qreal cx = frame.width() / 2.0;
        const qreal cy = frame.height() / 2.0;
        const qreal dy = up ? -1.5 : 1.5;
        QPainterPath chevron;
        chevron.moveTo(cx - 3.5, cy - dy);
        chevron.lineTo(cx, cy + dy);
        chevron.lineTo(cx + 3.5, cy - dy);
        painter.drawPath(chevron);
    }
    CutOutside(frame, shape);
}

void PaintArrowButtons(QImage& image, bool up) {
    static const State kStates[] = {State::Normal, State::Hot, State::Pressed};
    PaintFrames(image, 3, [up](QImage& frame, int index) {
        PaintArrowButton(frame, kStates[index - 1], up);
    });
}

}  // namespace

void PaintScrollBarUp(QImage& image) { PaintArrowButtons(image, true); }
void PaintScrollBarDown(QImage& image) { PaintArrowButtons(image, false); }

void PaintScrollBarThumb(QImage& image) {
    using namespace palette;
    image.fill(kScrollBack);
    // Full height: the ends' rounding must fit in the 3-row caps.
    const QRectF body = QRectF(image.rect()).adjusted(2, 0, -2, 0);
    const QPainterPath shape = RoundedBox(body, 2.5);
    {
        SmoothPainter painter(&image);
        FillAndFrame(painter, shape, Horizontal(body, QColor(232, 239, 251), QColor(206, 220, 244)),
                     kSoftBorder);
    }
    // The grip: two short lines with a light line between, on whole pixels.
    QPainter flat(&image);
    const int centre = image.height() / 2;
    const int left = int(body.left()) + 3;
    const int right = int(body.right()) - 4;
    flat.setPen(Mix(kSoftBorder, kGlyph, 0.2));
    flat.drawLine(left, centre - 1, right, centre - 1);
    flat.drawLine(left, centre + 1, right, centre + 1);
    flat.setPen(kWhite);
    flat.drawLine(left, centre, right, centre);
    flat.end();
    CutOutside(image, shape);
}

}  // namespace skin::artwork
