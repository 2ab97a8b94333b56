#include "skin/controls/TSkinProgressBar.h"

#include <QPainter>
#include <QProgressBar>
#include <algorithm>

#include "skin/controls/ControlColours.h"
#include "skin/data/SkinProgressBarRes.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/ThreePart.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

constexpr int kPieceCap = 2;

// How far along `length` pixels the value reaches: none when the range is empty. The value is
// kept inside the range (a reset bar stands below its minimum) and the product is taken wide,
// as ranges may span the whole of int.
int FilledLength(const ProgressState& state, int length) {
    if (state.Minimum >= state.Maximum || length <= 0) return 0;
    const int64_t value = std::clamp(state.Value, state.Minimum, state.Maximum);
    const int64_t done = value - state.Minimum;
    const int64_t range = int64_t(state.Maximum) - state.Minimum;
    return int(done * length / range);
}

void PaintHorizontal(QPainter& painter, const TSkinProgressBarRes& pieces,
                     const ProgressState& state) {
    const int w = state.Size.width();
    const int h = state.Size.height();
    const int start = pieces.StartWidth();
    const int end = w - pieces.EndWidth();
    const int filled = start + FilledLength(state, end - start);
    DrawThreePartVertical(pieces.Horz(1), painter, RectLTRB(0, 0, start, h), kPieceCap);
    DrawThreePartVertical(pieces.Horz(2), painter, RectLTRB(start, 0, filled, h), kPieceCap);
    DrawThreePartVertical(pieces.Horz(3), painter, RectLTRB(filled, 0, end, h), kPieceCap);
    DrawThreePartVertical(pieces.Horz(4), painter, RectLTRB(end, 0, w, h), kPieceCap);
}

void PaintVertical(QPainter& painter, const TSkinProgressBarRes& pieces,
                   const ProgressState& state) {
    const int w = state.Size.width();
    const int h = state.Size.height();
    const int bottom = h - pieces.StartWidth();
    const int top = pieces.EndWidth();
    const int filled = bottom - FilledLength(state, bottom - top);
    DrawThreePartHorizontal(pieces.Vert(1), painter, RectLTRB(0, bottom, w, h), kPieceCap);
    DrawThreePartHorizontal(pieces.Vert(2), painter, RectLTRB(0, filled, w, bottom), kPieceCap);
    DrawThreePartHorizontal(pieces.Vert(3), painter, RectLTRB(0, top, w, filled), kPieceCap);
    DrawThreePartHorizontal(pieces.Vert(4), painter, RectLTRB(0, 0, w, top), kPieceCap);
}

}  // namespace

QImage ComposeProgressBar(const TSkinProgressBarRes& pieces, const QColor& formColour,
                          const ProgressState& state) {
    QImage picture(state.Size, QImage::Format_RGB32);
    if (picture.isNull()) return picture;
    picture.fill(formColour);
    QPainter painter(&picture);
    if (state.Orientation == Qt::Horizontal) {
        PaintHorizontal(painter, pieces, state);
    } else {
        PaintVertical(painter, pieces, state);
    }
    return picture;
}

bool TSkinProgressBar::BeforeMessage(QEvent* event) {
    if (event->type() != QEvent::Paint) return true;
    Paint();
    return false;
}

void TSkinProgressBar::Paint() {
    auto* bar = qobject_cast<QProgressBar*>(Control());
    if (!bar) return;
    const ProgressState state{bar->size(), bar->orientation(), bar->minimum(), bar->maximum(),
                              bar->value()};
    QPainter painter(bar);
    painter.drawImage(QPoint(0, 0), ComposeProgressBar(Skin().Resources().ProgressBar,
                                                       FormColour(Skin()), state));
}

}  // namespace skin
