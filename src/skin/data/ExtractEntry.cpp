#include "skin/data/ExtractEntry.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "skin/data/LittleEndian.h"
#include "skin/data/RawDeflate.h"
#include "skin/data/ZipCrypto.h"
#include "skin/data/ZipLayout.h"

namespace skin {
namespace {

struct CentralEntry {
    uint16_t Flags = 0;
    uint16_t ModTime = 0;
    uint32_t Crc = 0;
    uint32_t UncompressedSize = 0;
    uint32_t LocalOffset = 0;

    bool Encrypted() const { return Flags & zip::kFlagEncrypted; }
    // Streamed entries did not know their CRC when the encryption header was written.
    uint8_t CheckByte() const {
        return (Flags & zip::kFlagDataDescriptor) ? uint8_t(ModTime >> 8) : uint8_t(Crc >> 24);
    }
};

bool SameNameIgnoringCase(QByteArrayView a, QByteArrayView b) {
    auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return upper(x) == upper(y); });
}

// The end record is taken from the last 22 bytes only, so an archive comment is not accepted.
std::optional<qint64> EndRecordPosition(const ByteReader& in) {
    const qint64 position = in.Size() - zip::kEndRecordSize;
    if (position < 0 || in.U32(position) != zip::kEndSignature ||
        in.U16(position + zip::end::kCommentLength) != 0) {
        return std::nullopt;
    }
    return position;
}

std::optional<CentralEntry> FindCentralEntry(const ByteReader& in, QByteArrayView name) {
    const auto endPosition = EndRecordPosition(in);
    if (!endPosition) return std::nullopt;
    qint64 position = in.U32(*endPosition + zip::end::kCentralOffset);
    while (position < *endPosition) {
        if (!in.Has(position, zip::kCentralHeaderSize)) return std::nullopt;
        const qint64 nameStart = position + zip::kCentralHeaderSize;
        const uint16_t nameLength = in.U16(position + zip::central::kNameLength);
        if (!in.Has(nameStart, nameLength)) return std::nullopt;
        if (SameNameIgnoringCase(in.View(nameStart, nameLength), name)) {
            return CentralEntry{in.U16(position + zip::central::kFlags),
                                in.U16(position + zip::central::kModTime),
                                in.U32(position + zip::central::kCrc),
                                in.U32(position + zip::central::kUncompressedSize),
                                in.U32(position + zip::central::kLocalOffset)};
        }
        position = nameStart + nameLength + in.U16(position + zip::central::kExtraLength) +
                   in.U16(position + zip::central::kCommentLength);
    }
    return std::nullopt;
}

// Where the entry's data starts, after its local header, name and extra field.
std::optional<qint64> DataStart(const ByteReader& in, uint32_t localOffset) {
    if (!in.Has(localOffset, zip::kLocalHeaderSize)) return std::nullopt;
    const qint64 start = qint64(localOffset) + zip::kLocalHeaderSize +
                         in.U16(localOffset + zip::local::kNameLength) +
                         in.U16(localOffset + zip::local::kExtraLength);
    if (!in.Has(start, 0)) return std::nullopt;
    return start;
}

enum class Decipher { Done, Truncated, WrongPassword };

// Deciphers everything after the 12-byte encryption header into `plain`.
Decipher DecipherEntry(const ByteReader& in, qint64 start, const CentralEntry& entry,
                       QByteArrayView password, QByteArray& plain) {
    if (!in.Has(start, ZipCrypto::kHeaderSize)) return Decipher::Truncated;
    ZipCrypto crypto(password);
    QByteArray header = in.View(start, ZipCrypto::kHeaderSize).toByteArray();
    crypto.Decrypt(header.data(), header.size());
    if (uint8_t(header.back()) != entry.CheckByte()) return Decipher::WrongPassword;
    const qint64 dataStart = start + ZipCrypto::kHeaderSize;
    plain = in.View(dataStart, in.Size() - dataStart).toByteArray();
    crypto.Decrypt(plain.data(), plain.size());
    return Decipher::Done;
}

ExtractResult Judge(bool reachedEnd, qint64 size, const CentralEntry& entry) {
    if (reachedEnd && size == 0) return erFailed;
    if (size != qint64(entry.UncompressedSize)) {
        return entry.Encrypted() ? erWrongPassword : erFailed;
    }
    return reachedEnd ? erSuccess : erFailed;
}

}  // namespace

ExtractResult ExtractEntry(QByteArrayView container, QByteArrayView entryName,
                           QByteArrayView password, QByteArray& output) {
    output.clear();
    const ByteReader in(container);
    if (!in.Has(0, 2) || container[0] != 'S' || container[1] != 'K') return erFailed;
    const auto entry = FindCentralEntry(in, entryName);
    if (!entry) return erFailed;
    if (entry->Encrypted() && password.isEmpty()) return erWrongPassword;

    // Stop as soon as the output is longer than recorded: the result is decided then.
    const qint64 limit = std::min<qint64>(entry->UncompressedSize, kMaxEntrySize);
    bool reachedEnd = false;
    if (const auto start = DataStart(in, entry->LocalOffset)) {
        if (!entry->Encrypted()) {
            reachedEnd = InflateRaw(in.View(*start, in.Size() - *start), limit, output);
        } else {
            QByteArray plain;
            const Decipher deciphered = DecipherEntry(in, *start, *entry, password, plain);
            if (deciphered == Decipher::WrongPassword) return erWrongPassword;
            if (deciphered == Decipher::Done) reachedEnd = InflateRaw(plain, limit, output);
        }
    }
    const ExtractResult result = Judge(reachedEnd, output.size(), *entry);
    if (result != erSuccess) output.clear();
    return result;
}

ExtractResult ExtractEntry(const QString& archiveFile, QByteArrayView entryName,
                           const QString& outputFile, QByteArrayView password) {
    ExtractResult result = erFailed;
    if (const auto container = ReadContainerFile(archiveFile)) {
        QByteArray output;
        result = ExtractEntry(*container, entryName, password, output);
        QFile file(outputFile);
        if (result == erSuccess && !(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                                     file.write(output) == output.size() && file.flush())) {
            result = erFailed;
        }
    }
    if (result != erSuccess) QFile::remove(outputFile);
    return result;
}

std::optional<QByteArray> ReadContainerFile(const QString& fileName) {
    // Only regular files: opening a pipe would wait for a writer.
    if (!QFileInfo(fileName).isFile()) return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // Read at most one byte past the cap, so that devices and growing files end too.
    QByteArray bytes = file.read(kMaxContainerSize + 1);
    if (bytes.size() > kMaxContainerSize || file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace skin
