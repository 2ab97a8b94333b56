#include "skin/draw/DeviceScale.h"

#include <QPaintDevice>
#include <cmath>

#include "skin/draw/Blit.h"

namespace skin {

DeviceScale DeviceScale::Of(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return DeviceScale(device ? device->devicePixelRatio() : 1);
}

QRect DeviceScale::Rect(const QRect& logical) const {
    const int left = Edge(logical.x());
    const int top = Edge(logical.y());
    return QRect(left, top, Edge(logical.x() + logical.width()) - left,
                 Edge(logical.y() + logical.height()) - top);
}

int DeviceScale::LogicalAt(int device) const {
    int logical = int(std::floor((device + 0.5) / ratio_));
    while (Edge(logical) > device) --logical;
    while (Edge(logical + 1) <= device) ++logical;
    return logical;
}

DevicePainting::DevicePainting(QPainter& painter) : painter_(painter) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const DeviceScale scale = DeviceScale::Of(painter_);
    if (!scale.IsIdentity()) painter_.scale(1 / scale.Ratio(), 1 / scale.Ratio());
}

DevicePainting::~DevicePainting() { painter_.restore(); }

QImage DeviceCanvas(const QSize& logical, const DeviceScale& scale, QImage::Format format) {
    QImage canvas(scale.Size(logical), format);
    canvas.setDevicePixelRatio(scale.Ratio());
    return canvas;
}

QImage DevicePicture(const QImage& logical, const DeviceScale& scale, Qt::Edges sharp) {
    if (scale.IsIdentity() || logical.isNull()) return logical;
    const QSize size = scale.Size(logical.size());
    QImage device = logical.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(logical.format());
    const int w = logical.width();
    const int h = logical.height();
    QPainter painter(&device);
    auto line = [&](const QRect& source, const QRect& target) {
        painter.drawImage(target.topLeft(), ScaledPart(logical, source, target.size()));
    };
    if (sharp & Qt::TopEdge) line(QRect(0, 0, w, 1), QRect(0, 0, size.width(), scale.Edge(1)));
    if (sharp & Qt::BottomEdge) {
        const int top = scale.Edge(h - 1);
        line(QRect(0, h - 1, w, 1), QRect(0, top, size.width(), size.height() - top));
    }
    if (sharp & Qt::LeftEdge) line(QRect(0, 0, 1, h), QRect(0, 0, scale.Edge(1), size.height()));
    if (sharp & Qt::RightEdge) {
        const int left = scale.Edge(w - 1);
        line(QRect(w - 1, 0, 1, h), QRect(left, 0, size.width() - left, size.height()));
    }
    painter.end();
    device.setDevicePixelRatio(scale.Ratio());
    return device;
}

}  // namespace skin
