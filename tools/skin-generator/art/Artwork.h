#pragma once
#include <QImage>
#include <QSize>
#include <QString>
namespace skin::artwork {
// The picture of one bitmap element of the built-in skin, at exactly `size`, 24-bit RGB.
QImage DrawElement(const QString& name, QSize size);
}  // namespace skin::artwork
