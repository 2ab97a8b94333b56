#include "skin/controls/ControlPaint.h"

namespace skin {

QImage TurnedImage(const QImage& image, void (*turn)(Bitmap&)) {
    Bitmap bitmap(image);
    turn(bitmap);
    return bitmap.Image();
}

}  // namespace skin
