// Push buttons (3 frames: normal, hot, pressed) and the spare scroll button (4 frames: normal,
// hot, pressed, disabled, with a drop arrow). Push button frames are drawn nine-part: the corners
// (34 x 12) stay, row 12 is stretched down the left side and row 13 down the right, column 34
// across; so everything but the rounded corners is uniform along those lines.
#include "ArtPalette.h"
#include "ArtPieces.h"
#include "ArtShapes.h"

namespace skin::artwork {
namespace {

enum class State { Normal, Hot, Pressed, Disabled };

struct Face {
    QColor top, bottom, border;
};

Face FaceOf(State state) {
    using namespace palette;
    switch (state) {
        case State::Normal:
            return {kWhite, Mix(kWhite, kForm, 0.75), kSoftBorder};
        case State::Hot:
            return {kHotTop, kHotBottom, kHotBorder};
        case State::Pressed:
            return {kPressedTop, kPressedBottom, kPressedBorder};
        case State::Disabled:
            return {kDisabledFill, kDisabledFill, kDisabledBorder};
    }
    return {};
}

// Shades down the face, with rows 12 and 13 alike: those are the rows stretched down its sides.
QLinearGradient FaceShades(const QRectF& box, const Face& face) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    const QColor middle = Mix(face.top, face.bottom, 0.5);
    const qreal height = box.height();
    gradient.setColorAt(0, face.top);
    gradient.setColorAt(12 / height, middle);
    gradient.setColorAt(14 / height, middle);
    gradient.setColorAt(1, face.bottom);
    return gradient;
}

// A rounded face on the form colour (push buttons are drawn opaque).
void PaintFace(QImage& frame, State state, qreal radius) {
    const Face face = FaceOf(state);
    frame.fill(palette::kForm);
    SmoothPainter painter(&frame);
    const QRectF box(0, 0, frame.width(), frame.height());
    FillAndFrame(painter, RoundedBox(box, radius), FaceShades(box, face), face.border);
    if (state == State::Normal || state == State::Hot) {
        // A faint inner highlight along the top edge.
        painter.setPen(QColor(255, 255, 255, 200));
        painter.drawLine(QPointF(radius, 1.5), QPointF(box.width() - radius, 1.5));
    }
}

void PaintDropArrow(QImage& frame, State state) {
    SmoothPainter painter(&frame);
    const QPointF centre(frame.width() / 2.0,
                         frame.height() / 2.0 + (state == State::Pressed ? 1 : 0.5));
    QPainterPath arrow;
    arrow.moveTo(centre + QPointF(-3.5, -2));
    arrow.lineTo(centre + QPointF(3.5, -2));
    arrow.lineTo(centre + QPointF(0, 2));
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(state == State::Disabled ? palette::kDisabledGlyph : palette::kGlyph);
    painter.drawPath(arrow);
}

}  // namespace

void PaintButton(QImage& image) {
    static const State kStates[] = {State::Normal, State::Hot, State::Pressed};
    PaintFrames(image, 3,
                [](QImage& frame, int index) { PaintFace(frame, kStates[index - 1], 3.5); });
}

void PaintScrollButton(QImage& image) {
    static const State kStates[] = {State::Normal, State::Hot, State::Pressed, State::Disabled};
    PaintFrames(image, 4, [](QImage& frame, int index) {
        PaintFace(frame, kStates[index - 1], 3);
        PaintDropArrow(frame, kStates[index - 1]);
    });
}

}  // namespace skin::artwork
