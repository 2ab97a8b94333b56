#include "skin/data/SkinElement.h"

#include "skin/data/LittleEndian.h"

namespace skin {

SkinElement SkinElement::Bitmap(QByteArray name, QByteArray bmp) {
    return {std::move(name), ekBitmap, std::move(bmp)};
}

SkinElement SkinElement::Integer(QByteArray name, int32_t value) {
    QByteArray data;
    AppendU32(data, uint32_t(value));
    return {std::move(name), ekInteger, data};
}

SkinElement SkinElement::Boolean(QByteArray name, uint8_t value) {
    return {std::move(name), ekBoolean, QByteArray(1, char(value))};
}

SkinElement SkinElement::String(QByteArray name, QByteArray text) {
    return {std::move(name), ekString, std::move(text)};
}

int32_t SkinElement::IntegerValue() const {
    const ByteReader in(Data);
    return in.Has(0, 4) ? int32_t(in.U32(0)) : 0;
}

uint8_t SkinElement::BooleanValue() const { return Data.isEmpty() ? 0 : uint8_t(Data[0]); }

const char* KindName(ElementKind kind) {
    switch (kind) {
        case ekBitmap:
            return "bitmap";
        case ekInteger:
            return "integer";
        case ekBoolean:
            return "boolean";
        case ekString:
            return "string";
    }
    return "unknown";
}

}  // namespace skin
