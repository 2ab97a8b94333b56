#include "skin/controls/ControlPaint.h"

#include <QPalette>

#include "skin/engine/TSkinEngine.h"

namespace skin {

QColor FormColour(const TSkinEngine& engine) {
    const ColorRef form = engine.Metrics().FormColor;
    return form >= 0 ? ToQColor(form) : QPalette().color(QPalette::Window);
}

QColor SkinColour(const TSkinEngine& engine, int colour, const QColor& fallback) {
    const ColorRef value = engine.GetSkinColor(colour);
    return value >= 0 ? ToQColor(value) : fallback;
}

QImage TurnedImage(const QImage& image, void (*turn)(Bitmap&)) {
    Bitmap bitmap(image);
    turn(bitmap);
    return bitmap.Image();
}

void DrawFocusRect(QImage& picture, const QRect& rect) {
    const QRect frame = rect.intersected(picture.rect());
    if (frame.isEmpty() || picture.depth() != 32) return;
    auto invert = [&](int x, int y) {
        if (((x - rect.x()) + (y - rect.y())) % 2 != 0) return;
        auto* pixel = reinterpret_cast<QRgb*>(picture.scanLine(y)) + x;
        *pixel ^= RGB_MASK;
    };
    for (int x = frame.left(); x <= frame.right(); ++x) {
        if (frame.top() == rect.top()) invert(x, rect.top());
        if (frame.bottom() == rect.bottom() && rect.height() > 1) invert(x, rect.bottom());
    }
    for (int y = frame.top() + 1; y < frame.bottom(); ++y) {
        if (frame.left() == rect.left()) invert(rect.left(), y);
        if (frame.right() == rect.right() && rect.width() > 1) invert(rect.right(), y);
    }
}

}  // namespace skin
