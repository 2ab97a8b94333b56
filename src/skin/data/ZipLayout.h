#pragma once

#include <cstdint>

// Record layouts of the skin container: a ZIP archive whose local header starts with "SK".
namespace skin::zip {

inline constexpr char kLocalSignature[] = "SK\x03\x04";
inline constexpr uint32_t kCentralSignature = 0x02014B50;  // "PK\1\2"
inline constexpr uint32_t kEndSignature = 0x06054B50;      // "PK\5\6"

inline constexpr int kLocalHeaderSize = 30;
inline constexpr int kCentralHeaderSize = 46;
inline constexpr int kEndRecordSize = 22;

inline constexpr uint16_t kFlagEncrypted = 0x0001;
inline constexpr uint16_t kFlagDataDescriptor = 0x0008;
inline constexpr uint16_t kVersion = 20;
inline constexpr uint16_t kMethodDeflate = 8;

// Field offsets within the central directory header.
namespace central {
inline constexpr int kFlags = 8;
inline constexpr int kModTime = 12;
inline constexpr int kCrc = 16;
inline constexpr int kUncompressedSize = 24;
inline constexpr int kNameLength = 28;
inline constexpr int kExtraLength = 30;
inline constexpr int kCommentLength = 32;
inline constexpr int kLocalOffset = 42;
}  // namespace central

// Field offsets within the local header.
namespace local {
inline constexpr int kNameLength = 26;
inline constexpr int kExtraLength = 28;
}  // namespace local

// Field offsets within the end of central directory record.
namespace end {
inline constexpr int kCentralOffset = 16;
inline constexpr int kCommentLength = 20;
}  // namespace end

}  // namespace skin::zip
