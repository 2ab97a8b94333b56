#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "skin/data/Bitmap.h"

namespace skintool {

struct SheetTile {
    QString Label;
    skin::Bitmap Picture;
};

// All pictures on one sheet, each enlarged without smoothing (small ones more) and labelled, on a
// checked background that shows through wherever a picture has the transparent colour.
QImage RenderContactSheet(const std::vector<SheetTile>& tiles, skin::ColorRef transparent);

}  // namespace skintool
