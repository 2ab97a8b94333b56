#include "skin/data/ContainerWriter.h"

#include <zlib.h>
#include <QRandomGenerator>

#include "skin/data/LittleEndian.h"
#include "skin/data/RawDeflate.h"
#include "skin/data/ZipCrypto.h"
#include "skin/data/ZipLayout.h"

namespace skin {
namespace {

// A fixed time stamp (1980-01-01 00:00) keeps generated containers byte for byte reproducible.
constexpr uint16_t kDosTime = 0;
constexpr uint16_t kDosDate = (1 << 5) | 1;
constexpr uint32_t kArchiveAttribute = 0x20;

struct EntryFields {
    uint16_t Flags;
    uint32_t Crc;
    uint32_t CompressedSize;
    uint32_t UncompressedSize;
};

// The fields shared by the local and the central header, from "version needed" to the name.
void AppendCommonFields(QByteArray& out, const EntryFields& entry) {
    AppendU16(out, zip::kVersion);
    AppendU16(out, entry.Flags);
    AppendU16(out, zip::kMethodDeflate);
    AppendU16(out, kDosTime);
    AppendU16(out, kDosDate);
    AppendU32(out, entry.Crc);
    AppendU32(out, entry.CompressedSize);
    AppendU32(out, entry.UncompressedSize);
    AppendU16(out, uint16_t(sizeof(kSkinEntryName) - 1));
    AppendU16(out, 0);  // extra field length
}

QByteArray Encipher(QByteArrayView password, uint32_t crc, QByteArray data) {
    QByteArray header(ZipCrypto::kHeaderSize, Qt::Uninitialized);
    for (char& c : header) c = char(QRandomGenerator::system()->bounded(256));
    header.back() = char(crc >> 24);  // lets the reader test the password
    QByteArray out = header + data;
    ZipCrypto(password).Encrypt(out.data(), out.size());
    return out;
}

}  // namespace

QByteArray WriteSkinContainer(QByteArrayView archive, QByteArrayView password) {
    const uint32_t crc =
        uint32_t(crc32(0, reinterpret_cast<const Bytef*>(archive.data()), uInt(archive.size())));
    QByteArray data = DeflateRaw(archive);
    if (!password.isEmpty()) data = Encipher(password, crc, std::move(data));
    const EntryFields entry{uint16_t(password.isEmpty() ? 0 : zip::kFlagEncrypted), crc,
                            uint32_t(data.size()), uint32_t(archive.size())};

    QByteArray out(zip::kLocalSignature, 4);
    AppendCommonFields(out, entry);
    out += kSkinEntryName;
    out += data;

    const uint32_t centralOffset = uint32_t(out.size());
    AppendU32(out, zip::kCentralSignature);
    AppendU16(out, zip::kVersion);  // version made by
    AppendCommonFields(out, entry);
    AppendU16(out, 0);  // comment length
    AppendU16(out, 0);  // disk number start
    AppendU16(out, 0);  // internal attributes
    AppendU32(out, kArchiveAttribute);
    AppendU32(out, 0);  // local header offset
    out += kSkinEntryName;
    const uint32_t centralSize = uint32_t(out.size()) - centralOffset;

    AppendU32(out, zip::kEndSignature);
    AppendU16(out, 0);  // this disk
    AppendU16(out, 0);  // disk of the central directory
    AppendU16(out, 1);  // entries on this disk
    AppendU16(out, 1);  // entries in all
    AppendU32(out, centralSize);
    AppendU32(out, centralOffset);
    AppendU16(out, 0);  // comment length
    return out;
}

}  // namespace skin
