#pragma once

#include <QByteArrayView>
#include <QSize>
#include <optional>

namespace skin {

// Pictures of a skin are small; anything larger is refused before it is decoded.
inline constexpr int kMaxBmpSide = 16384;
inline constexpr qint64 kMaxBmpPixels = qint64(1) << 24;

// The size of the picture in a Windows BMP file, when its headers are sane and its pixel data can
// fit in the bytes given; nothing otherwise. Uncompressed pictures must hold all their rows;
// run-length encoded ones may claim at most 256 pixels per byte of the file.
std::optional<QSize> CheckBmpHeader(QByteArrayView bytes);

}  // namespace skin
