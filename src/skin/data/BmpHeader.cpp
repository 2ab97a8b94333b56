#include "skin/data/BmpHeader.h"

#include <algorithm>

#include "skin/data/LittleEndian.h"

namespace skin {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;  // the old header with 16-bit sizes
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kLargestHeaderSize = 124;
constexpr qint64 kRlePixelsPerByte = 256;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

struct BmpFields {
    uint32_t HeaderSize = 0;
    qint64 Width = 0;
    qint64 Height = 0;  // negative: rows top down
    uint16_t BitCount = 0;
    uint32_t Compression = kRgb;
    uint32_t ColoursUsed = 0;
};

std::optional<BmpFields> ReadFields(const ByteReader& in) {
    if (!in.Has(0, kFileHeaderSize + 4) || in.U8(0) != 'B' || in.U8(1) != 'M') return std::nullopt;
    const uint32_t headerSize = in.U32(kFileHeaderSize);
    if (!in.Has(kFileHeaderSize, headerSize)) return std::nullopt;
    constexpr int h = kFileHeaderSize;
    if (headerSize == kCoreHeaderSize) {
        return BmpFields{headerSize, in.U16(h + 4), in.U16(h + 6), in.U16(h + 10)};
    }
    if (headerSize < kInfoHeaderSize || headerSize > kLargestHeaderSize) return std::nullopt;
    return BmpFields{headerSize,     int32_t(in.U32(h + 4)), int32_t(in.U32(h + 8)),
                     in.U16(h + 14), in.U32(h + 16),         in.U32(h + 32)};
}

// Where the decoder starts on the pixels: after the headers, the colour table and the masks, or
// at the offset the file header gives when that lies further on.
qint64 PixelStart(const ByteReader& in, const BmpFields& f) {
    qint64 tables = 0;
    if (f.BitCount <= 8) {
        const qint64 colours = f.ColoursUsed ? f.ColoursUsed : qint64(1) << f.BitCount;
        tables = colours * (f.HeaderSize == kCoreHeaderSize ? 3 : 4);
    }
    if (f.Compression == kBitFields && f.HeaderSize == kInfoHeaderSize) tables += 12;
    return std::max<qint64>(in.U32(10), kFileHeaderSize + f.HeaderSize + tables);
}

bool KnownDepth(const BmpFields& f) {
    switch (f.Compression) {
        case kRgb:
            return f.BitCount == 1 || f.BitCount == 4 || f.BitCount == 8 || f.BitCount == 16 ||
                   f.BitCount == 24 || f.BitCount == 32;
        case kRle8:
            return f.BitCount == 8;
        case kRle4:
            return f.BitCount == 4;
        case kBitFields:
            return f.BitCount == 16 || f.BitCount == 32;
        default:
            return false;
    }
}

}  // namespace

std::optional<QSize> CheckBmpHeader(QByteArrayView bytes) {
    const ByteReader in(bytes);
    const auto f = ReadFields(in);
    if (!f || !KnownDepth(*f)) return std::nullopt;
    const qint64 width = f->Width, height = f->Height < 0 ? -f->Height : f->Height;
    if (width < 1 || height < 1 || width > kMaxBmpSide || height > kMaxBmpSide ||
        width * height > kMaxBmpPixels) {
        return std::nullopt;
    }
    const qint64 available = in.Size() - PixelStart(in, *f);
    const bool compressed = f->Compression == kRle8 || f->Compression == kRle4;
    const qint64 needed = compressed ? width * height / kRlePixelsPerByte
                                     : (width * f->BitCount + 31) / 32 * 4 * height;
    if (needed > available) return std::nullopt;
    return QSize(int(width), int(height));
}

}  // namespace skin
