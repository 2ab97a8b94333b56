// Skin container extraction over arbitrary bytes, with and without a password.
#include <cstddef>
#include <cstdint>

#include "skin/data/ContainerWriter.h"
#include "skin/data/ExtractEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    QByteArray output;
    skin::ExtractEntry(bytes, skin::kSkinEntryName, {}, output);
    skin::ExtractEntry(bytes, skin::kSkinEntryName, "secret", output);
    return 0;
}
