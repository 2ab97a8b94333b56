// Tabs (2 frames of 15 x 17: the selected tab, then the others), the tab control's line, and the
// side channel's bar and title. Tabs are drawn three-part (5-pixel caps, the middle 5 columns
// stretched) and their top band stretched down in thirds, so the middle is uniform across.
#include "ArtPalette.h"
#include "ArtPieces.h"
#include "ArtShapes.h"

namespace skin::artwork {
namespace {

void PaintTab(QImage& frame, bool selected) {
    using namespace palette;
    frame.fill(kForm);
    const QRectF box(0, 0, frame.width(), frame.height() + 4);  // open at the bottom
    SmoothPainter painter(&frame);
    const QColor top = selected ? kWhite : QColor(236, 242, 251);
    const QColor bottom = selected ? QColor(250, 252, 255) : QColor(212, 224, 244);
    FillAndFrame(painter, RoundedBox(box, 3), Vertical(QRectF(frame.rect()), top, bottom),
                 selected ? kControlBorder : kSoftBorder);
    if (selected) {
        // The selected tab carries a stripe of the selection colour along its top.
        painter.setPen(Qt::NoPen);
        painter.setBrush(kSelection);
        QPainterPath stripe;
        stripe.addRoundedRect(QRectF(1, 1, frame.width() - 2, 3), 2, 2);
        painter.drawPath(stripe.intersected(RoundedBox(box.adjusted(1, 1, -1, 0), 2)));
    }
}

}  // namespace

void PaintTabs(QImage& image) {
    PaintFrames(image, 2, [](QImage& frame, int index) { PaintTab(frame, index == 1); });
}

void PaintTabLine(QImage& image) { image.fill(palette::kControlBorder); }

void PaintSideChannelBar(QImage& image) {
    using namespace palette;
    QPainter painter(&image);
    painter.fillRect(image.rect(), QBrush(Horizontal(QRectF(image.rect()), kWhite, kForm)));
    painter.setPen(kControlBorder);
    painter.drawLine(image.width() - 1, 0, image.width() - 1, image.height() - 1);
    // A dotted grip halfway down.
    const int middle = image.height() / 2;
    for (int y = middle - 6; y <= middle + 6; y += 3) {
        painter.fillRect(3, y + 1, 2, 2, kWhite);
        painter.fillRect(2, y, 2, 2, kSoftBorder);
    }
}

void PaintSideChannelTitle(QImage& image) {
    using namespace palette;
    QPainter painter(&image);
    painter.fillRect(image.rect(),
                     QBrush(Vertical(QRectF(image.rect()), kWhite, QColor(196, 212, 240))));
    painter.setPen(kControlBorder);
    painter.drawLine(0, image.height() - 1, image.width() - 1, image.height() - 1);
}

}  // namespace skin::artwork
