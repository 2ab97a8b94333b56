#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace skin {

enum ExtractResult { erSuccess = 0, erFailed = 1, erWrongPassword = 2 };

// Skins are tens of kilobytes; these caps keep a hostile file from taking the memory.
inline constexpr qint64 kMaxContainerSize = qint64(64) << 20;
inline constexpr qint64 kMaxEntrySize = qint64(64) << 20;

// Finds `entryName` (without regard to ASCII case) in the skin container held in `container` and
// inflates it into `output`. An empty password counts as none. Damaged data in a plain entry
// gives erFailed; in an enciphered one, a wrong size of the result gives erWrongPassword, since a
// password whose check byte matched by chance deciphers into garbage.
ExtractResult ExtractEntry(QByteArrayView container, QByteArrayView entryName,
                           QByteArrayView password, QByteArray& output);

// The same over files: writes the inflated entry to `outputFile` (created or overwritten) and
// deletes `outputFile` on any result but erSuccess.
ExtractResult ExtractEntry(const QString& archiveFile, QByteArrayView entryName,
                           const QString& outputFile, QByteArrayView password);

// The bytes of a container file; nothing when it is no regular file, cannot be read or exceeds
// kMaxContainerSize.
std::optional<QByteArray> ReadContainerFile(const QString& fileName);

}  // namespace skin
