#pragma once

#include "skin/controls/GroupBoxStyle.h"
#include "skin/controls/StyledSkinner.h"

namespace skin {

// Group boxes: frame and caption in the skin's control colours (GroupBoxStyle), on their parent's
// colour.
class TSkinGroupBox : public StyledSkinner<GroupBoxStyle> {
public:
    using StyledSkinner::StyledSkinner;
};

}  // namespace skin
