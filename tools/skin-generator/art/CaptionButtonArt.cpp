// The caption buttons: 18 frames of 19 x 19, three states (normal, hot, hot and pressed) of a
// blank button (never drawn, frame 1 gives the size), help, maximise, restore, minimise and close.
// Buttons are drawn opaque on the title bar's own shades (they sit 14 pixels down in the bar).
#include "ArtPalette.h"
#include "ArtPieces.h"
#include "ArtShapes.h"

namespace skin::artwork {
namespace {

constexpr int kButtonTop = 14;  // where the frame places the buttons in the bar

enum class Glyph { None, Help, Maximize, Restore, Minimize, Close };
enum class State { Normal, Hot, Pressed };

struct Look {
    QColor top, bottom, border, glyph;
};

Look LookOf(Glyph glyph, State state) {
    using namespace palette;
    if (glyph == Glyph::Close && state != State::Normal) {
        const QColor base = state == State::Hot ? kCloseHot : kClosePressed;
        return {Mix(base, kWhite, 0.25), base, Mix(base, Qt::black, 0.25), kWhite};
    }
    switch (state) {
        case State::Normal:
            return {Mix(kWhite, kForm, 0.2), Mix(kWhite, kForm, 0.7), kSoftBorder, kGlyph};
        case State::Hot:
            return {kHotTop, kHotBottom, kHotBorder, kGlyph};
        case State::Pressed:
            return {kPressedTop, kPressedBottom, kPressedBorder, kGlyph};
    }
    return {};
}

QPainterPath GlyphPath(Glyph glyph) {
    QPainterPath path;
    switch (glyph) {
        case Glyph::None:
            break;
        case Glyph::Help:
            path.moveTo(7.0, 7.2);
            path.cubicTo(7.0, 4.6, 12.0, 4.6, 12.0, 7.2);
            path.cubicTo(12.0, 9.0, 9.5, 9.0, 9.5, 11.2);
            path.moveTo(9.5, 13.3);
            path.lineTo(9.5, 13.8);
            break;
        case Glyph::Maximize:
            path.addRect(QRectF(5.5, 5.5, 8, 8));
            path.moveTo(5.5, 6.5);
            path.lineTo(13.5, 6.5);
            break;
        case Glyph::Restore:
            path.moveTo(7.5, 5.5);
            path.lineTo(13.5, 5.5);
            path.lineTo(13.5, 11.5);
            path.moveTo(7.5, 6.5);
            path.lineTo(13.5, 6.5);
            path.addRect(QRectF(5.5, 8.5, 6, 5));
            path.moveTo(5.5, 9.5);
            path.lineTo(11.5, 9.5);
            break;
        case Glyph::Minimize:
            path.moveTo(6, 13);
            path.lineTo(13, 13);
            break;
        case Glyph::Close:
            path.moveTo(6.2, 6.2);
            path.lineTo(12.8, 12.8);
            path.moveTo(12.8, 6.2);
            path.lineTo(6.2, 12.8);
            break;
    }
    return path;
}

qreal GlyphPen(Glyph glyph) {
    switch (glyph) {
        case Glyph::Close:
            return 1.8;
        case Glyph::Minimize:
            return 2.0;
        case Glyph::Help:
            return 1.6;
        default:
            return 1.0;
    }
}

void PaintCaptionButton(QImage& frame, Glyph glyph, State state) {
    {
        QPainter flat(&frame);
        for (int y = 0; y < frame.height(); ++y)
            flat.fillRect(0, y, frame.width(), 1, TitleShade(kButtonTop + y));
    }
    const Look look = LookOf(glyph, state);
    SmoothPainter painter(&frame);
    const QRectF box(0, 0, frame.width(), frame.height());
    FillAndFrame(painter, RoundedBox(box, 3.5), Vertical(box, look.top, look.bottom), look.border);
    QPen pen(look.glyph, GlyphPen(glyph));
    pen.setCapStyle(glyph == Glyph::Help ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(GlyphPath(glyph));
}

}  // namespace

void PaintTitleButtons(QImage& image) {
    static const Glyph kOrder[] = {Glyph::None,    Glyph::Help,     Glyph::Maximize,
                                   Glyph::Restore, Glyph::Minimize, Glyph::Close};
    static const State kStates[] = {State::Normal, State::Hot, State::Pressed};
    PaintFrames(image, 18, [](QImage& frame, int index) {
        PaintCaptionButton(frame, kOrder[(index - 1) / 3], kStates[(index - 1) % 3]);
    });
}

}  // namespace skin::artwork
