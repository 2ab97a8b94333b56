#include "skin/controls/TrackBarPainter.h"

#include <QPainter>

#include "skin/draw/Blit.h"
#include "skin/draw/FocusRect.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/ThreePart.h"

namespace skin {
namespace {

constexpr int kTickLength = 3;
constexpr int kEndTickInset = 8;  // the marks of the two ends, from the focus rectangle's ends

void DrawChannel(QPainter& painter, const TrackBarLayout& layout, const Bitmap& channel,
                 ColorRef transColour) {
    if (channel.IsEmpty()) return;
    QRect groove = layout.Groove;
    if (layout.Vertical) {
        groove.moveLeft(groove.x() + (groove.width() - channel.Width()) / 2 + 2);
        groove.setWidth(channel.Width());
        DrawThreePartVertical(channel, painter, groove, 0);
    } else {
        groove.moveTop(groove.y() + (groove.height() - channel.Height()) / 2);
        groove.setHeight(channel.Height());
        DrawThreePart(channel, painter, groove, transColour, true);
    }
}

void DrawThumb(QPainter& painter, const QRect& handle, const Bitmap& thumb, ColorRef transColour) {
    if (thumb.IsEmpty() || handle.isEmpty()) return;
    DrawMasked(painter, handle.topLeft(),
               ScaledPart(thumb.Image(), thumb.Image().rect(), handle.size()), transColour);
}

// One mark of `kTickLength` pixels going outwards from `edge` (the first pixel of the mark) at
// `position` along the slider.
void DrawTick(QPainter& painter, bool vertical, int position, int edge, int outwards) {
    const int first = outwards > 0 ? edge : edge - kTickLength + 1;
    const QRect mark =
        vertical ? QRect(first, position, kTickLength, 1) : QRect(position, first, 1, kTickLength);
    painter.fillRect(mark, Qt::black);
}

void DrawTicks(QPainter& painter, const TrackBarLayout& layout) {
    if (!layout.TicksBefore && !layout.TicksAfter) return;
    const QRect& f = layout.Focus;
    const bool vertical = layout.Vertical;
    std::vector<int> marks = layout.Ticks;
    const int start = vertical ? f.y() : f.x();
    const int end = vertical ? BottomOf(f) : RightOf(f);
    marks.push_back(start + kEndTickInset);
    marks.push_back(end - kEndTickInset);
    // Before: from the focus rectangle's first row outwards; after: from one past its end.
    const int before = vertical ? f.x() : f.y();
    const int after = (vertical ? RightOf(f) : BottomOf(f)) + 1;
    for (int position : marks) {
        if (layout.TicksBefore) DrawTick(painter, vertical, position, before, -1);
        if (layout.TicksAfter) DrawTick(painter, vertical, position, after, 1);
    }
}

}  // namespace

QImage ComposeTrackBar(const TrackBarLayout& layout, const QSize& size,
                       const TrackBarPictures& pictures, const QColor& formColour,
                       ColorRef transColour, bool focused) {
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull()) return picture;
    picture.fill(formColour);
    {
        QPainter painter(&picture);
        if (pictures.Channel) DrawChannel(painter, layout, *pictures.Channel, transColour);
        if (pictures.Thumb) DrawThumb(painter, layout.Handle, *pictures.Thumb, transColour);
        DrawTicks(painter, layout);
    }
    if (focused) DrawFocusRect(picture, layout.Focus);
    return picture;
}

}  // namespace skin
