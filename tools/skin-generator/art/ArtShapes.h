#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <functional>

namespace skin::artwork {

// A painter with antialiasing on, for drawing inside a picture.
class SmoothPainter : public QPainter {
public:
    explicit SmoothPainter(QImage* image);
};

// A rounded rectangle on pixel centres, so that a 1-pixel outline lands on whole pixels.
QPainterPath RoundedBox(const QRectF& pixels, qreal radius);

// A vertical gradient from `top` to `bottom` across `box`.
QLinearGradient Vertical(const QRectF& box, const QColor& top, const QColor& bottom);
QLinearGradient Horizontal(const QRectF& box, const QColor& left, const QColor& right);

// Fills `shape` with `fill` and outlines it with a 1-pixel `border`.
void FillAndFrame(QPainter& painter, const QPainterPath& shape, const QBrush& fill,
                  const QColor& border);

// Sets exact magenta on every pixel that `shape` does not cover (or covers too little to show),
// leaving the antialiased rim as drawn. Draw the shape on its real background first.
void CutOutside(QImage& image, const QPainterPath& shape);

// Paints `frames` equal frames side by side, each into its own picture (so that one frame's
// cutting cannot touch another); `paint` gets the frame and its 1-based index.
void PaintFrames(QImage& strip, int frames, const std::function<void(QImage&, int)>& paint);

// `c` mixed with `other`: 0 gives c, 1 gives other.
QColor Mix(const QColor& c, const QColor& other, qreal amount);

}  // namespace skin::artwork
