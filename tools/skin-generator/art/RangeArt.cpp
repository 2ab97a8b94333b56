// Track bars (the channel, and the slider pointing down or right) and progress bars (1-pixel
// caps, then filled and empty parts that are stretched: uniform across, shaded down).
// Magenta round the channel becomes the form colour at load; the sliders are drawn transparent.
#include "ArtPalette.h"
#include "ArtPieces.h"
#include "ArtShapes.h"

namespace skin::artwork {
namespace {

const QColor kRangeBorder(150, 170, 204);

// A slider: a rounded body ending in a point, towards the bottom or towards the right.
QPainterPath Pointer(QSizeF size, bool pointsRight) {
    const qreal length = pointsRight ? size.width() : size.height();
    const qreal breadth = pointsRight ? size.height() : size.width();
    const qreal tip = breadth / 2;  // how long the point is
    QPainterPath path;
    path.moveTo(0.5, 2.5);
    path.quadTo(0.5, 0.5, 2.5, 0.5);
    path.lineTo(breadth - 2.5, 0.5);
    path.quadTo(breadth - 0.5, 0.5, breadth - 0.5, 2.5);
    path.lineTo(breadth - 0.5, length - tip);
    path.lineTo(breadth / 2, length - 0.5);
    path.lineTo(0.5, length - tip);
    path.closeSubpath();
    if (!pointsRight) return path;
    // Mirror across the diagonal: the same shape lying on its side.
    QTransform swap(0, 1, 1, 0, 0, 0);
    return swap.map(path);
}

void PaintSlider(QImage& image, bool pointsRight) {
    using namespace palette;
    image.fill(kForm);
    const QPainterPath shape = Pointer(image.size(), pointsRight);
    const QRectF box(image.rect());
    {
        SmoothPainter painter(&image);
        const QLinearGradient fill =
            pointsRight ? Vertical(box, kWhite, kHotBottom) : Horizontal(box, kWhite, kHotBottom);
        FillAndFrame(painter, shape, fill, kHotBorder);
    }
    CutOutside(image, shape);
}

// One column of a progress bar part: border, then the shades top to bottom, then border.
void PaintProgressColumns(QImage& image, const QColor& top, const QColor& bottom) {
    image.fill(kRangeBorder);
    QPainter painter(&image);
    const int inner = image.height() - 2;
    for (int y = 0; y < inner; ++y) {
        const qreal t = inner > 1 ? qreal(y) / (inner - 1) : 0;
        painter.fillRect(0, y + 1, image.width(), 1, Mix(top, bottom, t));
    }
}

}  // namespace

void PaintTrackBar(QImage& image) {
    using namespace palette;
    image.fill(kForm);
    const QRectF box(image.rect());
    const QPainterPath shape = RoundedBox(box, 2);
    {
        SmoothPainter painter(&image);
        FillAndFrame(painter, shape, Vertical(box, QColor(214, 222, 236), kWhite), kRangeBorder);
    }
    CutOutside(image, shape);
}

void PaintTrackBarSlider(QImage& image) { PaintSlider(image, false); }
void PaintTrackBarVSlider(QImage& image) { PaintSlider(image, true); }

void PaintProgressCap(QImage& image) { image.fill(kRangeBorder); }

void PaintProgressFilled(QImage& image) {
    // Row 1 is a highlight kept by the top cap; the stretched middle runs into the deep blue.
    PaintProgressColumns(image, QColor(150, 190, 240), QColor(40, 92, 180));
    QPainter(&image).fillRect(0, 1, image.width(), 1, QColor(178, 208, 246));
}

void PaintProgressEmpty(QImage& image) {
    PaintProgressColumns(image, QColor(236, 240, 247), palette::kWhite);
}

}  // namespace skin::artwork
