#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QWidget;

// Reading what the skin painted, pixel by pixel.
namespace skin::test {

// How many pixels of the image, or of `area` of it, are of the colour.
int CountColour(const QImage& image, const QColor& colour);
int CountColour(const QImage& image, const QColor& colour, const QRect& area);
// The smallest rectangle holding every pixel of the colour; empty when there is none.
QRect BoundsOf(const QImage& image, const QColor& colour);
// The widget as it is painted now, without alpha.
QImage Grab(QWidget* widget);

}  // namespace skin::test
