#include "resources/Images.h"

#include <QImage>
#include <QPainter>
#include <iterator>

namespace plivant::images {

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kSmallIconSizes = 2;  // 16 and 32

// The icon in grey, with a red disc and a white bar in its lower right quarter.
QImage DownPicture(int size) {
    QImage grey =
        QImage(QString(":/images/icon-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            int level = qGray(line[x]) / 2 + 64;  // faded as well as grey
            line[x] = qRgba(level, level, level, qAlpha(line[x]));
        }
    }
    QPainter painter(&grey);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal mark = size * 0.55;
    const QRectF disc(size - mark, size - mark, mark, mark);
    painter.setPen(QPen(Qt::white, qMax(1.0, size / 16.0)));
    painter.setBrush(QColor(220, 0, 0));
    painter.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
    const qreal bar = mark * 0.18;
    painter.fillRect(
        QRectF(disc.left() + mark * 0.22, disc.center().y() - bar / 2, mark * 0.56, bar),
        Qt::white);
    return grey;
}

QIcon IconUpTo(int count) {
    QIcon icon;
    for (int i = 0; i < count; ++i) {
        const int size = kIconSizes[i];
        icon.addFile(QString(":/images/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

QIcon ProgramIcon() { return IconUpTo(int(std::size(kIconSizes))); }

QIcon SmallProgramIcon() { return IconUpTo(kSmallIconSizes); }

QIcon ProgramIconDown() {
    QIcon icon;
    for (int size : kIconSizes) icon.addPixmap(QPixmap::fromImage(DownPicture(size)));
    return icon;
}

QPixmap Logo(qreal ratio) {
    if (ratio <= 1) return QPixmap(":/images/logo.png");
    QPixmap large(":/images/logo@2x.png");
    const QSize device = (QSizeF(large.size()) / 2 * ratio).toSize();
    QPixmap logo = large.size() == device
                       ? large
                       : large.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    logo.setDevicePixelRatio(ratio);
    return logo;
}

QPixmap MenuImage(int index) {
    if (index < 0 || index >= kMenuImageCount) return {};
    return QPixmap(QString(":/images/menu-%1.png").arg(index));
}

}  // namespace plivant::images
