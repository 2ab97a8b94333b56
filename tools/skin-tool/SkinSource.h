#pragma once

#include <QByteArray>
#include <QString>

#include "skin/data/Bitmap.h"
#include "skin/data/SkinElement.h"

namespace skintool {

// The elements of a skin container file, or of the built-in skin when `source` is "builtin".
// Throws skin::SkinError with the message the program shows for the same container, including
// the one for a bitmap that is not a valid BMP.
skin::SkinElements LoadElements(const QString& source, const QByteArray& password);

// The transparent colour the elements declare ("SKIN2_TRANSCOLOR"), magenta when they do not.
skin::ColorRef TransparentColour(const skin::SkinElements& elements);

}  // namespace skintool
