// The seven 16 x 16 menu images, drawn directly at their size on pixel boundaries.
#pragma once

#include <QImage>

namespace plivant::art {

constexpr int kMenuImageSize = 16;
constexpr int kMenuImageCount = 7;

// Image `index` of the menu image list (0 power, 1 info, 2 gear, 3 stop, 4 arrow down-left,
// 5 arrow up-left, 6 globe with refresh arrow); a null image for other indices.
QImage MenuImage(int index);

QImage PowerImage();
QImage InfoImage();
QImage GearImage();
QImage StopImage();
QImage ArrowDownLeftImage();
QImage ArrowUpLeftImage();
QImage GlobeRefreshImage();

}  // namespace plivant::art
