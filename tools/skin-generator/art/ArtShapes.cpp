#include "ArtShapes.h"

#include "ArtPalette.h"

namespace skin::artwork {
namespace {
// Coverage below this shows as a faint halo of the background, not as part of the shape.
constexpr int kMinimumCoverage = 48;
}  // namespace

SmoothPainter::SmoothPainter(QImage* image) : QPainter(image) {
    setRenderHint(QPainter::Antialiasing, true);
    setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath RoundedBox(const QRectF& pixels, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(pixels.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    return path;
}

QLinearGradient Vertical(const QRectF& box, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QLinearGradient Horizontal(const QRectF& box, const QColor& left, const QColor& right) {
    QLinearGradient gradient(box.topLeft(), box.topRight());
    gradient.setColorAt(0, left);
    gradient.setColorAt(1, right);
    return gradient;
}

void FillAndFrame(QPainter& painter, const QPainterPath& shape, const QBrush& fill,
                  const QColor& border) {
    painter.save();
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawPath(shape);
    painter.restore();
}

void CutOutside(QImage& image, const QPainterPath& shape) {
    QImage coverage(image.size(), QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        SmoothPainter painter(&coverage);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::black);
        painter.drawPath(shape);
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(coverage.pixel(x, y)) < kMinimumCoverage)
                image.setPixelColor(x, y, palette::kMagenta);
        }
    }
}

void PaintFrames(QImage& strip, int frames, const std::function<void(QImage&, int)>& paint) {
    const int width = strip.width() / frames;
    QPainter painter(&strip);
    for (int index = 1; index <= frames; ++index) {
        QImage frame = strip.copy((index - 1) * width, 0, width, strip.height());
        paint(frame, index);
        painter.drawImage((index - 1) * width, 0, frame);
    }
}

QColor Mix(const QColor& c, const QColor& other, qreal amount) {
    return QColor::fromRgbF(c.redF() + (other.redF() - c.redF()) * amount,
                            c.greenF() + (other.greenF() - c.greenF()) * amount,
                            c.blueF() + (other.blueF() - c.blueF()) * amount);
}

}  // namespace skin::artwork
