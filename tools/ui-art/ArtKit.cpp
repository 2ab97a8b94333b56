#include "ArtKit.h"

#include <QPainterPathStroker>
#include <QSet>
#include <algorithm>
#include <cstring>
#include <limits>

namespace plivant::art {

QImage NewCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void PrepareSmooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::NoPen);
}

QPainterPath Shrunk(const QPainterPath& shape, qreal by) {
    QPainterPathStroker stroker;
    stroker.setWidth(2 * by);
    stroker.setJoinStyle(Qt::MiterJoin);
    return shape.subtracted(stroker.createStroke(shape));
}

void FillOutlined(QPainter& painter, const QPainterPath& shape, const QBrush& fill,
                  const QColor& outline, qreal border) {
    painter.fillPath(shape, outline);
    painter.fillPath(Shrunk(shape, border), fill);
}

QLinearGradient VerticalGradient(qreal y0, qreal y1, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(0, y0, 0, y1);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

namespace {

QColor Blend(const QColor& a, const QColor& b, qreal t) {
    auto mix = [t](int x, int y) { return qRound(x + (y - x) * t); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()),
                  mix(a.alpha(), b.alpha()));
}

const Ink& FindInk(const std::vector<Ink>& inks, char key) {
    for (const Ink& ink : inks) {
        if (ink.key == key) return ink;
    }
    qFatal("pixel map uses '%c' without an ink", key);
}

}  // namespace

QImage FromPixelMap(const std::vector<const char*>& rows, const std::vector<Ink>& inks) {
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(std::strlen(rows.front())) : 0;
    QImage image = NewCanvas(width, height);
    for (int y = 0; y < height; ++y) {
        if (static_cast<int>(std::strlen(rows[y])) != width)
            qFatal("pixel map row %d is ragged", y);
        const qreal t = height > 1 ? qreal(y) / (height - 1) : 0;
        for (int x = 0; x < width; ++x) {
            if (rows[y][x] == '.') continue;
            const Ink& ink = FindInk(inks, rows[y][x]);
            image.setPixelColor(x, y, Blend(ink.top, ink.bottom, t));
        }
    }
    return image;
}

std::vector<const char*> Flipped(std::vector<const char*> rows) {
    std::reverse(rows.begin(), rows.end());
    return rows;
}

namespace {

int Distance(QRgb a, QRgb b) {
    const int da = qAlpha(a) - qAlpha(b);
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 2 * da * da + dr * dr + dg * dg + db * db;
}

}  // namespace

QImage ToPalette(const QImage& image, const QVector<QRgb>& palette) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVector<QRgb> premultiplied;
    for (QRgb entry : palette) premultiplied.append(qPremultiply(entry));
    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            int bestDistance = std::numeric_limits<int>::max();
            for (int i = 0; i < premultiplied.size(); ++i) {
                const int d = Distance(line[x], premultiplied[i]);
                if (d < bestDistance) {
                    bestDistance = d;
                    out[x] = static_cast<uchar>(i);
                }
            }
        }
    }
    return indexed;
}

int CountColours(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> seen;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) seen.insert(line[x]);
    }
    return seen.size();
}

}  // namespace plivant::art
