#include "skin/draw/PixelHelpers.h"

namespace skin::test {
namespace {
constexpr int kMarker = 0x40;
}

ColorRef CodeOf(int x, int y) {
    return ColorRef(x & 0xFF) | ColorRef(y << 8) | (ColorRef(kMarker + (x >> 8)) << 16);
}

QPoint SourceOf(ColorRef colour) {
    const int high = (colour >> 16) & 0xFF;
    if (high < kMarker || high > kMarker + 3) return QPoint(-1, -1);
    return QPoint((colour & 0xFF) | ((high - kMarker) << 8), (colour >> 8) & 0xFF);
}

Bitmap CodedBitmap(int width, int height) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, CodeOf(x, y));
    return bitmap;
}

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQColor(kCanvas));
    return image;
}

ColorRef At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

std::vector<std::string> Picture(const QImage& image, ColorRef ink) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) row += At(image, x, y) == ink ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

}  // namespace skin::test
