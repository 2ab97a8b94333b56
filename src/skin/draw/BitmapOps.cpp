#include "skin/draw/BitmapOps.h"

#include <cstring>

namespace skin {
namespace {

constexpr int kBytesPerPixel = 3;  // Format_RGB888: R, G, B

Bitmap WithAttributesOf(const Bitmap& source, const QImage& image) {
    Bitmap result(image);
    result.SetTransparentColor(source.TransparentColor());
    result.SetTransparent(source.Transparent());
    return result;
}

// Builds a bitmap of `size` whose pixel at `to(x, y)` is the source pixel (x, y).
template <typename Mapping>
Bitmap Remap(const Bitmap& source, QSize size, Mapping to) {
    if (source.IsEmpty()) return source;
    const QImage& from = source.Image();
    QImage image(size, QImage::Format_RGB888);
    for (int y = 0; y < from.height(); ++y) {
        const uchar* row = from.constScanLine(y);
        for (int x = 0; x < from.width(); ++x) {
            const QPoint target = to(x, y);
            std::memcpy(image.scanLine(target.y()) + target.x() * kBytesPerPixel,
                        row + x * kBytesPerPixel, kBytesPerPixel);
        }
    }
    return WithAttributesOf(source, image);
}

}  // namespace

Bitmap SliceBitmap(const Bitmap& source, int frames, int index) {
    if (source.IsEmpty() || frames <= 0 || index < 1 || index > frames) return Bitmap();
    const int frameWidth = source.Width() / frames;
    if (frameWidth == 0) return Bitmap();
    return WithAttributesOf(
        source, source.Image().copy((index - 1) * frameWidth, 0, frameWidth, source.Height()));
}

Bitmap RotateLeft(const Bitmap& bitmap) {
    const int width = bitmap.Width();
    return Remap(bitmap, QSize(bitmap.Height(), width),
                 [width](int x, int y) { return QPoint(y, width - 1 - x); });
}

Bitmap RotateRight(const Bitmap& bitmap) {
    const int height = bitmap.Height();
    return Remap(bitmap, QSize(height, bitmap.Width()),
                 [height](int x, int y) { return QPoint(height - 1 - y, x); });
}

Bitmap Rotate180(const Bitmap& bitmap) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    return Remap(bitmap, QSize(width, height),
                 [width, height](int x, int y) { return QPoint(width - 1 - x, height - 1 - y); });
}

void ReplaceColor(Bitmap& bitmap, ColorRef from, ColorRef to) {
    if (bitmap.IsEmpty() || from < 0 || to < 0) return;  // system colours are no pixel values
    const uchar old[kBytesPerPixel] = {uchar(from), uchar(from >> 8), uchar(from >> 16)};
    const uchar replacement[kBytesPerPixel] = {uchar(to), uchar(to >> 8), uchar(to >> 16)};
    QImage& image = bitmap.Image();
    for (int y = 0; y < image.height(); ++y) {
        uchar* pixel = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += kBytesPerPixel) {
            if (std::memcmp(pixel, old, kBytesPerPixel) == 0)
                std::memcpy(pixel, replacement, kBytesPerPixel);
        }
    }
}

}  // namespace skin
