#include "skin/data/BitmapOps.h"

#include <cstring>

namespace skin {
namespace {

constexpr int kPixelBytes = 3;  // Format_RGB888: red, green, blue

// Callers may have put another format into the picture; the byte loops need 24 bits.
QImage& Image24(Bitmap& bitmap) {
    QImage& image = bitmap.Image();
    if (image.format() != QImage::Format_RGB888) {
        image = image.convertToFormat(QImage::Format_RGB888);
    }
    return image;
}

// Builds a picture of size (width, height) whose pixel (x, y) is the source's pixel `from(x, y)`.
template <typename Map>
void Remap(Bitmap& bitmap, int width, int height, Map from) {
    const QImage source = Image24(bitmap);
    QImage target(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* line = target.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QPoint s = from(x, y);
            std::memcpy(line + x * kPixelBytes, source.constScanLine(s.y()) + s.x() * kPixelBytes,
                        kPixelBytes);
        }
    }
    bitmap.Image() = target;
}

}  // namespace

void SliceBitmap(const Bitmap* source, Bitmap& destination, int count, int index) {
    if (!source || count < 1) return;
    const int frameWidth = source->Width() / count;
    Bitmap frame(source->Image().copy((index - 1) * frameWidth, 0, frameWidth, source->Height()));
    frame.SetTransparentColor(source->TransparentColor());
    frame.SetTransparent(source->Transparent());
    destination = frame;
}

void RotateLeft(Bitmap& bitmap) {
    if (bitmap.IsEmpty()) return;
    const int oldWidth = bitmap.Width();
    // The target pixel (x, y) comes from source (oldWidth - 1 - y, x).
    Remap(bitmap, bitmap.Height(), oldWidth,
          [&](int x, int y) { return QPoint(oldWidth - 1 - y, x); });
}

void RotateRight(Bitmap& bitmap) {
    if (bitmap.IsEmpty()) return;
    const int oldHeight = bitmap.Height();
    // The target pixel (x, y) comes from source (y, oldHeight - 1 - x).
    Remap(bitmap, oldHeight, bitmap.Width(),
          [&](int x, int y) { return QPoint(y, oldHeight - 1 - x); });
}

void Rotate180(Bitmap& bitmap) {
    if (bitmap.IsEmpty()) return;
    const int w = bitmap.Width(), h = bitmap.Height();
    Remap(bitmap, w, h, [&](int x, int y) { return QPoint(w - 1 - x, h - 1 - y); });
}

void ReplaceColor(Bitmap& bitmap, ColorRef oldColour, ColorRef newColour) {
    if (bitmap.IsEmpty()) return;
    QImage& image = Image24(bitmap);
    if (oldColour < 0 || oldColour > 0xFFFFFF) return;  // no pixel has such a value
    const uchar from[kPixelBytes] = {uchar(oldColour), uchar(oldColour >> 8),
                                     uchar(oldColour >> 16)};
    const uchar to[kPixelBytes] = {uchar(newColour), uchar(newColour >> 8), uchar(newColour >> 16)};
    for (int y = 0; y < image.height(); ++y) {
        uchar* p = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, p += kPixelBytes) {
            if (std::memcmp(p, from, kPixelBytes) == 0) std::memcpy(p, to, kPixelBytes);
        }
    }
}

}  // namespace skin
