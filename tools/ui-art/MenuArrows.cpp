// The menu images built from arrows: the two grey window arrows and the globe with its green
// refresh arrow.
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

#include "ArtKit.h"
#include "MenuImages.h"

namespace plivant::art {

namespace {

constexpr int kSize = kMenuImageSize;

// An arrow pointing down and to the left: a right-angled head whose legs run along the pixel
// grid and a shaft whose edges are 45-degree pixel stairs.
// clang-format off
const std::vector<const char*> kDownLeftArrow{
    "................",
    "...........OO...",
    "..........OGGO..",
    ".........OGGGO..",
    "........OGGGO...",
    ".O.....OGGGO....",
    ".OO...OGGGO.....",
    ".OGO.OGGGO......",
    ".OGGOGGGO.......",
    ".OGGGGGO........",
    ".OGGGGO.........",
    ".OGGGGGO........",
    ".OGGGGGGO.......",
    ".OGGGGGGGO......",
    ".OOOOOOOOOO.....",
    "................",
};
// clang-format on

QImage GreyArrow(const std::vector<const char*>& rows) {
    return FromPixelMap(rows, {{'O', QColor(0x5C, 0x62, 0x6A), QColor(0x40, 0x45, 0x4C)},
                               {'G', QColor(0xDA, 0xDE, 0xE3), QColor(0x8C, 0x93, 0x9C)}});
}

QPointF OnCircle(const QPointF& centre, qreal radius, qreal degrees) {
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(a), -radius * qSin(a));
}

// A circular arrow: an arc from `start` sweeping `sweep` degrees (negative: clockwise) and a
// triangular head at its end.
QPainterPath CircularArrow(const QPointF& centre, qreal radius, qreal start, qreal sweep,
                           qreal width, qreal head) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, sweep);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    QPainterPath shape = stroker.createStroke(arc);

    const qreal end = start + sweep;
    const qreal a = qDegreesToRadians(end);
    const qreal turn = sweep < 0 ? 1 : -1;
    const QPointF along(turn * qSin(a), turn * qCos(a));
    const QPointF outward(qCos(a), -qSin(a));
    const QPointF base = OnCircle(centre, radius, end);
    QPainterPath tip;
    tip.addPolygon(
        QPolygonF{base + outward * head, base + along * head * 1.1, base - outward * head});
    tip.closeSubpath();
    return shape.united(tip);
}

void PaintGlobe(QPainter& painter) {
    QPainterPath disc;
    disc.addEllipse(QPointF(6.5, 6.5), 6, 6);
    QRadialGradient sea(QPointF(4.5, 3.5), 10);
    sea.setColorAt(0, QColor(0xB4, 0xDD, 0xFF));
    sea.setColorAt(0.5, QColor(0x45, 0x8F, 0xE0));
    sea.setColorAt(1, QColor(0x1E, 0x58, 0xAA));
    FillOutlined(painter, disc, sea, QColor(0x1A, 0x47, 0x88));

    painter.save();
    painter.setClipPath(Shrunk(disc, 1));
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(0, 6.5), QPointF(16, 6.5));
    painter.drawLine(QPointF(6.5, 0), QPointF(6.5, 16));
    painter.drawLine(QPointF(0, 3.5), QPointF(16, 3.5));
    painter.drawLine(QPointF(0, 9.5), QPointF(16, 9.5));
    painter.drawEllipse(QPointF(6.5, 6.5), 3, 6);
    painter.restore();
}

}  // namespace

QImage ArrowDownLeftImage() { return GreyArrow(kDownLeftArrow); }

QImage ArrowUpLeftImage() { return GreyArrow(Flipped(kDownLeftArrow)); }

QImage GlobeRefreshImage() {
    QImage image = NewCanvas(kSize, kSize);
    QPainter painter(&image);
    PrepareSmooth(painter);
    PaintGlobe(painter);

    const QPainterPath arrow = CircularArrow(QPointF(8, 8), 6.1, 240, 165, 2.1, 3.3);
    QPainterPathStroker halo;
    halo.setWidth(2);
    painter.fillPath(arrow.united(halo.createStroke(arrow)), Qt::white);
    painter.fillPath(arrow,
                     VerticalGradient(7, 16, QColor(0x5C, 0xD0, 0x55), QColor(0x1C, 0x86, 0x1A)));
    return image;
}

}  // namespace plivant::art
