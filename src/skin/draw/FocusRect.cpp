#include "skin/draw/FocusRect.h"

namespace skin {

void DrawFocusRect(QImage& image, const QRect& rect) {
    const QRect r = rect & image.rect();
    if (r.width() < 1 || r.height() < 1) return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    const auto invert = [&image](int x, int y) {
        if ((x + y) % 2 != 0) return;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        line[x] ^= 0x00FFFFFF;
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        invert(x, r.top());
        if (r.bottom() != r.top()) invert(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        invert(r.left(), y);
        if (r.right() != r.left()) invert(r.right(), y);
    }
}

}  // namespace skin
