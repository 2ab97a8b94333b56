#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Flat stand-in pictures for the built-in skin, used until the artwork library is present. Same
// declaration as the artwork library's.
namespace skin::artwork {

// The picture of one bitmap element of the built-in skin, at exactly `size`, 24-bit RGB.
QImage DrawElement(const QString& name, QSize size);

}  // namespace skin::artwork
