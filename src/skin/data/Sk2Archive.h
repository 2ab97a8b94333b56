#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "skin/data/SkinElement.h"

namespace skin {

// The SK2 archive: a 24-byte header, then a chain of 77-byte element records, each pointing at
// its data and at the next record.
namespace sk2 {
inline constexpr char kMagic[] = "SKINFILE_SK2";
inline constexpr int kHeaderSize = 24;
inline constexpr int kFirstRecordField = 20;
inline constexpr int kRecordSize = 77;
inline constexpr int kNameSize = 64;
inline constexpr int kKindField = 64;
inline constexpr int kDataOffsetField = 65;
inline constexpr int kDataSizeField = 69;
inline constexpr int kNextRecordField = 73;
}  // namespace sk2

// The elements of an archive in chain order; records of unknown kinds are stepped over. Every
// offset and size is checked against the data: the walk ends at a record or data that lies
// outside the archive, at a record already visited, and when the data read would exceed the
// archive's size in all (records whose data overlap). Throws SkinError("Failed to read skin
// file!") when the archive is shorter than its header.
SkinElements ReadSk2Archive(QByteArrayView archive);

// An archive of `elements` in the layout of the built-in skin: each record followed by its data,
// then a terminator record. Throws std::invalid_argument for a name that is empty, longer than
// 64 bytes or holds a zero byte.
QByteArray WriteSk2Archive(const SkinElements& elements);

}  // namespace skin
