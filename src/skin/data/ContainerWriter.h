#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace skin {

inline constexpr char kSkinEntryName[] = "SKINDATA.SK2";

// A skin container holding `archive` as its one entry "SKINDATA.SK2", deflated at zlib's best
// level. With a password the entry is enciphered with the traditional PKWARE cipher; its check
// byte is the high byte of the CRC-32.
QByteArray WriteSkinContainer(QByteArrayView archive, QByteArrayView password = {});

}  // namespace skin
