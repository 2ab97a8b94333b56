#include "resources/Images.h"

namespace plivant::images {

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : kIconSizes) {
        icon.addFile(QString(":/images/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QPixmap Logo() { return QPixmap(":/images/logo.png"); }

QPixmap MenuImage(int index) {
    if (index < 0 || index >= kMenuImageCount) return {};
    return QPixmap(QString(":/images/menu-%1.png").arg(index));
}

}  // namespace plivant::images
