#include "ProgramIcon.h"

#include <QPainterPathStroker>
#include <QtMath>

#include "ArtKit.h"

namespace plivant::art {

namespace {

// Geometry in a 32 x 32 design space.
struct IconGeometry {
    QRectF tile;
    qreal corner;
    QPolygonF chart;  // the last point is where the arrow head sits
    qreal lineWidth;
    qreal head;
    bool volumeBars;
};

const IconGeometry& LargeGeometry() {
    static const IconGeometry geometry{QRectF(1, 1, 30, 30),
                                       6,
                                       QPolygonF{{6, 23}, {12, 15.5}, {17, 20}, {24, 11.5}},
                                       3,
                                       4.2,
                                       true};
    return geometry;
}

// At 16 pixels each unit is half a pixel; points sit where the strokes land on whole pixels.
const IconGeometry& SmallGeometry() {
    static const IconGeometry geometry{
        QRectF(0, 0, 32, 32), 6, QPolygonF{{5, 24}, {12, 15}, {18, 21}, {25, 12}}, 4, 6, false};
    return geometry;
}

const QColor kTileTop(0x4C, 0x93, 0xEA);
const QColor kTileBottom(0x17, 0x46, 0x9A);
const QColor kTileEdge(0x10, 0x34, 0x74);

QPainterPath ArrowHead(const QPolygonF& chart, qreal size) {
    const QPointF end = chart.back();
    const QPointF from = chart[chart.size() - 2];
    QPointF dir = end - from;
    dir /= qSqrt(QPointF::dotProduct(dir, dir));
    const QPointF normal(-dir.y(), dir.x());
    QPainterPath head;
    head.addPolygon(QPolygonF{end + dir * size * 1.15, end + normal * size, end - normal * size});
    head.closeSubpath();
    return head;
}

QPainterPath ChartShape(const IconGeometry& g) {
    QPainterPath line;
    line.addPolygon(g.chart);
    QPainterPathStroker stroker;
    stroker.setWidth(g.lineWidth);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line).united(ArrowHead(g.chart, g.head));
}

void PaintTile(QPainter& painter, const IconGeometry& g, qreal pixel, bool gloss) {
    QPainterPath tile;
    tile.addRoundedRect(g.tile, g.corner, g.corner);
    FillOutlined(painter, tile,
                 VerticalGradient(g.tile.top(), g.tile.bottom(), kTileTop, kTileBottom), kTileEdge,
                 pixel);
    if (gloss) {
        QPainterPath upper;
        upper.addRect(QRectF(0, 0, 32, 14));
        painter.fillPath(
            Shrunk(tile, pixel).intersected(upper),
            VerticalGradient(0, 14, QColor(255, 255, 255, 60), QColor(255, 255, 255, 0)));
    }
    if (g.volumeBars) {
        const QColor bar(255, 255, 255, 46);
        const qreal heights[] = {3, 6, 4, 8};
        for (int i = 0; i < 4; ++i) {
            painter.fillRect(QRectF(7 + 5 * i, 27 - heights[i], 3, heights[i]), bar);
        }
    }
}

void PaintChart(QPainter& painter, const IconGeometry& g, qreal pixel, bool shadow) {
    const QPainterPath chart = ChartShape(g);
    if (shadow) painter.fillPath(chart.translated(0, pixel * 1.2), QColor(8, 30, 80, 90));
    painter.fillPath(chart, Qt::white);
}

QImage Render(int size, const IconGeometry& g, bool rich) {
    QImage image = NewCanvas(size, size);
    QPainter painter(&image);
    PrepareSmooth(painter);
    const qreal scale = size / 32.0;
    painter.scale(scale, scale);
    const qreal pixel = 1 / scale;
    // The tile's edge is one pixel wide on small icons and grows slowly on big ones.
    PaintTile(painter, g, qMax(size / 64.0, 1.0) * pixel, rich);
    PaintChart(painter, g, pixel, rich);
    return image;
}

// The 16 colours of the 32-pixel icon: transparency, the tile's edge and five steps of its
// blue, white, the chart shadow and the half tones where white meets blue.
const QVector<QRgb>& SixteenColours() {
    static const QVector<QRgb> palette{
        qRgba(0, 0, 0, 0),      qRgba(0x10, 0x34, 0x74, 0x80), qRgb(0x10, 0x34, 0x74),
        qRgb(0x4C, 0x93, 0xEA), qRgb(0x3D, 0x7F, 0xD6),        qRgb(0x2F, 0x6C, 0xC2),
        qRgb(0x23, 0x59, 0xAE), qRgb(0x17, 0x46, 0x9A),        qRgb(0xFF, 0xFF, 0xFF),
        qRgb(0xC8, 0xDC, 0xF6), qRgb(0x92, 0xB6, 0xE8),        qRgb(0x5E, 0x8B, 0xD4),
        qRgb(0x14, 0x3A, 0x80), qRgb(0x5A, 0x9E, 0xF0),        qRgb(0xA8, 0xC8, 0xF2),
        qRgb(0x0C, 0x2A, 0x62)};
    return palette;
}

}  // namespace

const QVector<int>& ProgramIconSizes() {
    static const QVector<int> sizes{16, 32, 48, 64, 128, 256};
    return sizes;
}

QImage RichIconImage(int size) { return Render(size, LargeGeometry(), true); }

QImage ProgramIconImage(int size) {
    if (size <= 16) return Render(size, SmallGeometry(), false);
    if (size <= 32) return ToPalette(Render(size, LargeGeometry(), false), SixteenColours());
    return RichIconImage(size);
}

}  // namespace plivant::art
