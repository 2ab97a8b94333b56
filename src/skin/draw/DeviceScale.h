#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

namespace skin {

// Where logical pixels land on a device whose pixels are `Ratio` times smaller (a screen scaled
// to 125 %, 150 %, 200 % ...). An edge at logical x lies at device pixel qRound(x * Ratio), as Qt
// rounds the edges of widgets, of a window's size and of its shape: parts that meet in logical
// pixels meet on the device too, and a window's far edges are its last device pixels.
class DeviceScale {
public:
    explicit DeviceScale(qreal ratio = 1) : ratio_(ratio > 0 ? ratio : 1) {}
    // The ratio of the device `painter` paints on.
    static DeviceScale Of(const QPainter& painter);

    qreal Ratio() const { return ratio_; }
    bool IsIdentity() const { return ratio_ == 1; }
    int Edge(int logical) const { return qRound(logical * ratio_); }
    QRect Rect(const QRect& logical) const;
    QSize Size(const QSize& logical) const {
        return {Edge(logical.width()), Edge(logical.height())};
    }
    // The logical pixel that device pixel `device` belongs to, by the same edges.
    int LogicalAt(int device) const;

private:
    qreal ratio_;
};

// A painter that counts in device pixels while this lives, pictures copied pixel for pixel.
class DevicePainting {
public:
    explicit DevicePainting(QPainter& painter);
    ~DevicePainting();
    DevicePainting(const DevicePainting&) = delete;
    DevicePainting& operator=(const DevicePainting&) = delete;

private:
    QPainter& painter_;
};

// An off-screen picture of `logical` size in the device's pixels: a painter on it counts in
// logical pixels, and it is drawn back pixel for pixel.
QImage DeviceCanvas(const QSize& logical, const DeviceScale& scale, QImage::Format format);

// A picture of the skin on the device: smoothly scaled, except its outermost rows and columns on
// the `sharp` sides, which are lines of a window's outline and are repeated pixel for pixel over
// the device pixels their logical pixel covers. At ratio 1 the picture itself.
QImage DevicePicture(const QImage& logical, const DeviceScale& scale, Qt::Edges sharp = {});

}  // namespace skin
