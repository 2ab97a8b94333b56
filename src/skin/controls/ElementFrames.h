#pragma once

#include <QObject>
#include <map>
#include <utility>
#include <vector>

#include "skin/data/Bitmap.h"

namespace skin {

class TSkinEngine;

// The frames of the skin's many-state pictures (push buttons, check boxes, radio buttons), cut
// once per skin load and shared by the skinners of one engine, which owns this object.
class ElementFrames : public QObject {
public:
    static const ElementFrames& Of(TSkinEngine& engine);

    // Frame `index` (1-based) of the `count` frames of bitmap element `element`; an empty bitmap
    // when the skin lacks the element or the index is out of range.
    const Bitmap& Frame(int element, int count, int index) const;

private:
    explicit ElementFrames(TSkinEngine& engine);

    const TSkinEngine& engine_;
    mutable int generation_ = -1;
    mutable std::map<std::pair<int, int>, std::vector<Bitmap>> frames_;
};

}  // namespace skin
