#include <stdexcept>

#include "skin/data/LittleEndian.h"
#include "skin/data/Sk2Archive.h"

namespace skin {
namespace {

constexpr uint32_t kUnnamedHeaderField = 2;

void CheckName(const QByteArray& name) {
    if (name.isEmpty() || name.size() > sk2::kNameSize || name.contains('\0')) {
        throw std::invalid_argument("invalid skin element name \"" + name.toStdString() + '"');
    }
}

// The record, then its data right after it; the next record follows the data.
void AppendElement(QByteArray& out, const SkinElement& element) {
    CheckName(element.Name);
    const uint32_t dataOffset = uint32_t(out.size()) + sk2::kRecordSize;
    const uint32_t dataSize = uint32_t(element.Data.size());
    out += element.Name;
    out += QByteArray(sk2::kNameSize - element.Name.size(), '\0');
    out += char(element.Kind);
    AppendU32(out, dataOffset);
    AppendU32(out, dataSize);
    AppendU32(out, dataOffset + dataSize);
    out += element.Data;
}

// All zero but its kind, which is 2 as in the built-in skin.
void AppendTerminator(QByteArray& out) {
    out += QByteArray(sk2::kNameSize, '\0');
    out += char(ekBoolean);
    out += QByteArray(sk2::kRecordSize - sk2::kNameSize - 1, '\0');
}

}  // namespace

QByteArray WriteSk2Archive(const SkinElements& elements) {
    QByteArray out(sk2::kMagic);
    AppendU32(out, sk2::kHeaderSize);
    AppendU32(out, kUnnamedHeaderField);
    AppendU32(out, sk2::kHeaderSize);  // the first record follows the header
    for (const SkinElement& element : elements) AppendElement(out, element);
    AppendTerminator(out);
    return out;
}

}  // namespace skin
