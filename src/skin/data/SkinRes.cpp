#include "skin/data/SkinRes.h"

#include "skin/data/SkinReader.h"

namespace skin {

void TSkinRes::SetReader(const TSkinReader* reader) {
    reader_ = reader;
    Update();
}

const TSkinReader* TSkinRes::ReadyReader() const {
    return reader_ && reader_->Ready() ? reader_ : nullptr;
}

Bitmap Turned(const Bitmap& source, void (*turn)(Bitmap&)) {
    Bitmap copy = source;
    turn(copy);
    return copy;
}

}  // namespace skin
