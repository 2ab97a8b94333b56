#include "skin/values/CheckMark.h"

#include <QPainter>

#include "skin/draw/Blit.h"

namespace skin {
namespace {

constexpr int kSize = 16;
constexpr ColorRef kWhite = 0x00FFFFFF;

}  // namespace

QImage BuiltinCheckMark() {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    // A tick two pixels thick: down from (4, 7) to (6, 9), then up to (11, 4).
    for (int i = 0; i < 3; ++i) {
        for (int t = 0; t < 2; ++t) image.setPixel(4 + i, 7 + i + t, qRgb(0, 0, 0));
    }
    for (int i = 1; i <= 5; ++i) {
        for (int t = 0; t < 2; ++t) image.setPixel(6 + i, 9 - i + t, qRgb(0, 0, 0));
    }
    return MaskedImage(image, kWhite);
}

QImage SkinCheckMark(const Bitmap& picture, ColorRef transColor) {
    return MaskedImage(picture.Image(), transColor);
}

}  // namespace skin
