#include "skin/data/Bitmap.h"

#include <QBuffer>

#include "skin/data/BmpHeader.h"

namespace skin {

QColor ToQColor(ColorRef colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

ColorRef FromQColor(const QColor& colour) {
    return ColorRef(colour.red()) | (ColorRef(colour.green()) << 8) |
           (ColorRef(colour.blue()) << 16);
}

Bitmap::Bitmap(int width, int height) : image_(width, height, QImage::Format_RGB888) {
    image_.fill(Qt::black);
}

Bitmap::Bitmap(const QImage& image) : image_(image.convertToFormat(QImage::Format_RGB888)) {}

std::optional<Bitmap> Bitmap::FromBmp(const QByteArray& bytes) {
    // The header check keeps a forged size from making the decoder allocate or loop for long.
    if (!CheckBmpHeader(bytes)) return std::nullopt;
    QImage image;
    if (!image.loadFromData(bytes, "BMP") || image.isNull()) return std::nullopt;
    return Bitmap(image);
}

QByteArray Bitmap::ToBmp() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image_.save(&buffer, "BMP");
    return bytes;
}

ColorRef Bitmap::Pixel(int x, int y) const { return FromQColor(image_.pixelColor(x, y)); }

void Bitmap::SetPixel(int x, int y, ColorRef colour) {
    image_.setPixelColor(x, y, ToQColor(colour));
}

}  // namespace skin
