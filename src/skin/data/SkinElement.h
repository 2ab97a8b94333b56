#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace skin {

enum ElementKind : uint8_t { ekBitmap = 0, ekInteger = 1, ekBoolean = 2, ekString = 3 };

// One named element of an SK2 archive with its data: a BMP file, 4 bytes of a little-endian
// integer, 1 byte of a flag, or text.
struct SkinElement {
    QByteArray Name;
    ElementKind Kind = ekBitmap;
    QByteArray Data;

    static SkinElement Bitmap(QByteArray name, QByteArray bmp);
    static SkinElement Integer(QByteArray name, int32_t value);
    static SkinElement Boolean(QByteArray name, uint8_t value);
    static SkinElement String(QByteArray name, QByteArray text);

    int32_t IntegerValue() const;  // ekInteger
    uint8_t BooleanValue() const;  // ekBoolean
};

using SkinElements = std::vector<SkinElement>;

const char* KindName(ElementKind kind);  // "bitmap", "integer", "boolean", "string"

}  // namespace skin
