#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace skin {

// Bounds-checked little-endian reads over outside data. Every position comes from the data
// itself, so each read first asks whether it fits.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView data) : data_(data) {}

    qint64 Size() const { return data_.size(); }
    bool Has(qint64 position, qint64 count) const {
        return position >= 0 && count >= 0 && position <= Size() && count <= Size() - position;
    }
    uint8_t U8(qint64 position) const { return uint8_t(data_[position]); }
    uint16_t U16(qint64 position) const { return uint16_t(U8(position) | U8(position + 1) << 8); }
    uint32_t U32(qint64 position) const {
        return uint32_t(U16(position)) | uint32_t(U16(position + 2)) << 16;
    }
    QByteArrayView View(qint64 position, qint64 count) const {
        return data_.sliced(position, count);
    }

private:
    QByteArrayView data_;
};

inline void AppendU16(QByteArray& out, uint16_t value) {
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

inline void AppendU32(QByteArray& out, uint32_t value) {
    AppendU16(out, uint16_t(value & 0xFFFF));
    AppendU16(out, uint16_t(value >> 16));
}

}  // namespace skin
