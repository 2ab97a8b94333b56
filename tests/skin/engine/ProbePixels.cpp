#include "ProbePixels.h"

#include <QPixmap>
#include <QWidget>

namespace skin::test {

int CountColour(const QImage& image, const QColor& colour) {
    return CountColour(image, colour, image.rect());
}

int CountColour(const QImage& image, const QColor& colour, const QRect& area) {
    const QRect inside = area & image.rect();
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += image.pixelColor(x, y) == colour;
        }
    }
    return count;
}

QRect BoundsOf(const QImage& image, const QColor& colour) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QImage Grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace skin::test
