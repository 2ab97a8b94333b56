#pragma once

#include <map>
#include <utility>
#include <vector>

#include "skin/data/Bitmap.h"

namespace skin {

class SkinValues;

// The frames of the skin's many-state pictures (push buttons, check boxes, radio buttons), cut
// once per skin load and shared by every skinner of the skin.
class ElementFrames {
public:
    explicit ElementFrames(const SkinValues& skin) : skin_(skin) {}
    ElementFrames(const ElementFrames&) = delete;
    ElementFrames& operator=(const ElementFrames&) = delete;

    // Frame `index` (1-based) of the `count` frames of bitmap element `element`; an empty bitmap
    // when the skin lacks the element or the index is out of range.
    const Bitmap& Frame(int element, int count, int index) const;

private:
    const SkinValues& skin_;
    mutable int generation_ = -1;
    mutable std::map<std::pair<int, int>, std::vector<Bitmap>> frames_;
};

}  // namespace skin
