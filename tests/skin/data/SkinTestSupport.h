#pragma once

#include <QByteArray>
#include <QString>

#include "skin/data/Bitmap.h"
#include "skin/data/SkinElement.h"

namespace skin::test {

// A container made by make_fixtures.py at build time, by name.
QString FixturePath(const char* name);
QByteArray Fixture(const char* name);

// A picture of one colour, and its BMP file.
Bitmap Filled(int width, int height, ColorRef colour);
QByteArray FilledBmp(int width, int height, ColorRef colour);

// A skin container of these elements, made by the program's own writers.
QByteArray MakeContainer(const SkinElements& elements);

}  // namespace skin::test
