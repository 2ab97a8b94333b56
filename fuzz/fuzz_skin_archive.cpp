// The SK2 walk and bitmap loading over arbitrary archives, then the reader's accessors and the
// three resources over whatever loaded.
#include <cstddef>
#include <cstdint>

#include "skin/data/ContainerWriter.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinResources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView archive(data, qsizetype(size));
    skin::TSkinReader reader;
    try {
        reader.LoadSkinData(skin::WriteSkinContainer(archive), {});
    } catch (const skin::SkinError&) {
        return 0;
    }
    for (int i = 0; i < 128; ++i) {
        reader.GetBitmap(i);
        reader.GetColor(i);
        reader.GetMetric(i);
        reader.GetBoolean(i);
    }
    skin::SkinResources resources;
    resources.SetReader(&reader);
    return 0;
}
