// Small drawing helpers shared by the pictures: a transparent canvas, outlined shapes and a
// fixed-palette reduction for the small icon.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QVector>
#include <vector>

namespace plivant::art {

// A fully transparent ARGB image of the given size.
QImage NewCanvas(int width, int height);

// An antialiased painter on the image.
void PrepareSmooth(QPainter& painter);

// Fills the shape with `outline`, then its interior shrunk by `border` pixels with `fill`: a
// border that lies inside the shape's edge instead of straddling it.
void FillOutlined(QPainter& painter, const QPainterPath& shape, const QBrush& fill,
                  const QColor& outline, qreal border = 1.0);

// The shape shrunk by `by` pixels on every side.
QPainterPath Shrunk(const QPainterPath& shape, qreal by);

// Vertical two-stop gradient from `top` at y0 to `bottom` at y1.
QLinearGradient VerticalGradient(qreal y0, qreal y1, const QColor& top, const QColor& bottom);

// One colour of a pixel map: `key` in the rows stands for a colour that runs from `top` on the
// first row to `bottom` on the last, so that one letter carries a vertical gradient.
struct Ink {
    char key;
    QColor top;
    QColor bottom;
};

// An image drawn pixel by pixel: one string per row, '.' is transparent, every other character
// names an ink. A character without an ink is a mistake in the drawing and stops the program.
QImage FromPixelMap(const std::vector<const char*>& rows, const std::vector<Ink>& inks);

// The same rows upside down: the inks keep their top-to-bottom direction.
std::vector<const char*> Flipped(std::vector<const char*> rows);

// An indexed image with `palette` as its colour table: every pixel takes the nearest entry
// (premultiplied ARGB distance, no dithering).
QImage ToPalette(const QImage& image, const QVector<QRgb>& palette);

// Number of distinct ARGB values in the image.
int CountColours(const QImage& image);

}  // namespace plivant::art
