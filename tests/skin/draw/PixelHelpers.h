#pragma once

#include <QImage>
#include <QPoint>
#include <string>
#include <vector>

#include "skin/data/Bitmap.h"

namespace skin::test {

constexpr ColorRef kMagenta = 0x00FF00FF;
constexpr ColorRef kCanvas = 0x00010203;  // never a coded colour

// A bitmap whose every pixel tells where it is: CodeOf(x, y).
Bitmap CodedBitmap(int width, int height);
ColorRef CodeOf(int x, int y);
// The source position a coded colour names, or (-1, -1) for any other colour.
QPoint SourceOf(ColorRef colour);

// An off-screen canvas filled with kCanvas.
QImage Canvas(int width, int height);
ColorRef At(const QImage& image, int x, int y);

// A picture drawn as text, one string per row: '#' is `ink`, '.' is `paper`.
std::vector<std::string> Picture(const QImage& image, ColorRef ink);

}  // namespace skin::test
