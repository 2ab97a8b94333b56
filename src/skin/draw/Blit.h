#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include "skin/data/Bitmap.h"

namespace skin {

// Painter settings every primitive draws with: no antialiasing, plain source-over (opaque pixels
// replace, fully transparent ones leave the target alone), pictures not smoothed at their own
// size; on a device of another ratio than 1 (DeviceScale.h) pictures are scaled smoothly.
// Restores on exit.
class ExactPainting {
public:
    explicit ExactPainting(QPainter& painter);
    ~ExactPainting();
    ExactPainting(const ExactPainting&) = delete;
    ExactPainting& operator=(const ExactPainting&) = delete;

private:
    QPainter& painter_;
};

// The image with every pixel of `mask` made fully transparent (ARGB32).
QImage MaskedImage(const QImage& image, ColorRef mask);

// Draws `image` at `at`; pixels of colour `mask` leave the target unchanged. A negative mask
// (no colour) draws every pixel.
void DrawMasked(QPainter& painter, const QPoint& at, const QImage& image, ColorRef mask);

// Draws the bitmap at `at`, masked with its transparent colour when its transparent switch is on.
void DrawBitmap(QPainter& painter, const QPoint& at, const Bitmap& bitmap);

// The `source` part of `image` scaled to `size` by plain pixel replication (no smoothing).
QImage ScaledPart(const QImage& image, const QRect& source, const QSize& size);

// Copies the `source` part of `image` into `target`, scaling by pixel replication when the sizes
// differ. Empty rectangles draw nothing.
void CopyRect(QPainter& painter, const QRect& target, const QImage& image, const QRect& source);

// The image at `size`, smoothly (area-averaging) scaled when its own size differs.
QImage StretchedImage(const QImage& image, const QSize& size);

// The whole bitmap scaled into `rect` with smooth (area-averaging) scaling.
void StretchBitmap(const Bitmap& bitmap, QPainter& painter, const QRect& rect);
void StretchImage(const QImage& image, QPainter& painter, const QRect& rect);

}  // namespace skin
