#include "skin/values/ElementFrames.h"

#include "skin/values/SkinValues.h"

namespace skin {

const Bitmap& ElementFrames::Frame(int element, int count, int index) const {
    static const Bitmap kNone;
    if (generation_ != skin_.SkinGeneration()) {
        frames_.clear();
        generation_ = skin_.SkinGeneration();
    }
    auto [it, added] = frames_.try_emplace({element, count});
    if (added) {
        for (int i = 1; i <= count; ++i) {
            Bitmap frame;
            if (!skin_.GetElementFrame(element, frame, i, count)) break;
            it->second.push_back(frame);
        }
    }
    if (index < 1 || index > int(it->second.size())) return kNone;
    return it->second[size_t(index - 1)];
}

}  // namespace skin
