#include "skin/draw/Blit.h"

#include "skin/draw/DeviceScale.h"

namespace skin {

ExactPainting::ExactPainting(QPainter& painter) : painter_(painter) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, !DeviceScale::Of(painter).IsIdentity());
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

ExactPainting::~ExactPainting() { painter_.restore(); }

QImage MaskedImage(const QImage& image, ColorRef mask) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(mask).rgb() & RGB_MASK;
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((row[x] & RGB_MASK) == key) row[x] = 0;
        }
    }
    return result;
}

void DrawMasked(QPainter& painter, const QPoint& at, const QImage& image, ColorRef mask) {
    if (image.isNull()) return;
    ExactPainting exact(painter);
    painter.drawImage(at, mask < 0 ? image : MaskedImage(image, mask));
}

void DrawBitmap(QPainter& painter, const QPoint& at, const Bitmap& bitmap) {
    if (bitmap.IsEmpty()) return;
    if (bitmap.Transparent()) {
        DrawMasked(painter, at, bitmap.Image(), bitmap.TransparentColor());
        return;
    }
    ExactPainting exact(painter);
    painter.drawImage(at, bitmap.Image());
}

QImage ScaledPart(const QImage& image, const QRect& source, const QSize& size) {
    // The whole picture at its own size is shared, not copied.
    if (source == image.rect() && size == image.size()) return image;
    QImage part = image.copy(source);
    if (part.size() == size) return part;
    return part.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void CopyRect(QPainter& painter, const QRect& target, const QImage& image, const QRect& source) {
    if (target.width() <= 0 || target.height() <= 0 || source.width() <= 0 ||
        source.height() <= 0 || image.isNull())
        return;
    ExactPainting exact(painter);
    painter.drawImage(target.topLeft(), ScaledPart(image, source, target.size()));
}

QImage StretchedImage(const QImage& image, const QSize& size) {
    if (image.size() == size) return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void StretchImage(const QImage& image, QPainter& painter, const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0 || image.isNull()) return;
    ExactPainting exact(painter);
    painter.drawImage(rect.topLeft(), StretchedImage(image, rect.size()));
}

void StretchBitmap(const Bitmap& bitmap, QPainter& painter, const QRect& rect) {
    StretchImage(bitmap.Image(), painter, rect);
}

}  // namespace skin
