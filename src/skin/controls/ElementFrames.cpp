#include "skin/controls/ElementFrames.h"

#include "skin/engine/TSkinEngine.h"

namespace skin {
namespace {

constexpr char kObjectName[] = "skinElementFrames";

}  // namespace

ElementFrames::ElementFrames(TSkinEngine& engine) : QObject(&engine), engine_(engine) {
    setObjectName(kObjectName);
}

const ElementFrames& ElementFrames::Of(TSkinEngine& engine) {
    auto* found = engine.findChild<QObject*>(kObjectName, Qt::FindDirectChildrenOnly);
    if (auto* frames = dynamic_cast<ElementFrames*>(found)) return *frames;
    return *new ElementFrames(engine);
}

const Bitmap& ElementFrames::Frame(int element, int count, int index) const {
    static const Bitmap kNone;
    if (generation_ != engine_.SkinGeneration()) {
        frames_.clear();
        generation_ = engine_.SkinGeneration();
    }
    auto [it, added] = frames_.try_emplace({element, count});
    if (added) {
        for (int i = 1; i <= count; ++i) {
            Bitmap frame;
            if (!engine_.GetElementFrame(element, frame, i, count)) break;
            it->second.push_back(frame);
        }
    }
    if (index < 1 || index > int(it->second.size())) return kNone;
    return it->second[size_t(index - 1)];
}

}  // namespace skin
