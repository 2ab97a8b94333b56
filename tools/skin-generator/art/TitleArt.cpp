// The title bar pieces, the minimised title and the 1-pixel window borders. The bar is one light
// gradient, uniform across so that the middle piece stretches cleanly; only the outer pieces
// round the top corners, cut out in the rows the window region is scanned in (0 to 6).
#include "ArtPalette.h"
#include "ArtPieces.h"
#include "ArtShapes.h"

namespace skin::artwork {
namespace {

constexpr qreal kCornerRadius = 7;
// The minimised title shows the bar's rows from here on, so that caption buttons placed 3 pixels
// down in it sit on the same shades as 14 pixels down in the full bar.
constexpr int kMinimizedShadeOffset = 11;
// The bar ends in a darker line and a light one, which set it off from the menu bar below.
constexpr int kSeparatorRow = 46;

// The bar's background, row by row, for a picture `height` high starting at shade row `offset`.
QImage ShadeLayer(QSize size, int offset) {
    QImage layer(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const QRgb shade = TitleShade(y + offset).rgb();
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        std::fill(row, row + size.width(), shade);
    }
    return layer;
}

// One piece of the bar: open (running on) at the sides without an end.
void PaintBar(QImage& image, bool leftEnd, bool rightEnd) {
    const qreal overhang = 2 * kCornerRadius;
    const QRectF outline(leftEnd ? 0 : -overhang, 0,
                         image.width() + (leftEnd ? 0 : overhang) + (rightEnd ? 0 : overhang),
                         image.height() + overhang);
    const QPainterPath shape = RoundedBox(outline, kCornerRadius);
    image.fill(palette::kDesktopHalo);
    {
        SmoothPainter painter(&image);
        FillAndFrame(painter, shape, QBrush(ShadeLayer(image.size(), 0)), palette::kFrame);
    }
    CutOutside(image, shape);
}

}  // namespace

QColor TitleShade(int y) {
    if (y <= 0) return palette::kFrame;
    if (y == 1) return palette::kWhite;  // a soft highlight under the top edge
    if (y == kSeparatorRow) return QColor(184, 201, 232);
    if (y > kSeparatorRow) return QColor(240, 245, 253);  // a light edge over the menu bar
    const QColor top(243, 247, 254);
    const QColor bottom(206, 220, 244);
    const qreal t = qBound(0.0, (y - 2) / qreal(kSeparatorRow - 3), 1.0);
    return Mix(top, bottom, t * t * (3 - 2 * t) * 0.5 + t * 0.5);
}

void PaintTitleLeft(QImage& image) { PaintBar(image, true, false); }
void PaintTitleMiddle(QImage& image) { PaintBar(image, false, false); }
void PaintTitleRight(QImage& image) { PaintBar(image, false, true); }

void PaintMinimizedTitle(QImage& image) {
    // Stretched to the window with smoothing, so no transparent corners that would smear.
    image = ShadeLayer(image.size(), kMinimizedShadeOffset);
    QPainter painter(&image);
    painter.setPen(palette::kFrame);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
}

void PaintFrameBorder(QImage& image) { image.fill(palette::kFrame); }

}  // namespace skin::artwork
