#pragma once

#include "skin/controls/ParentColourSkinner.h"

class QGroupBox;

namespace skin {

class GroupBoxStyle;

// Group boxes: frame and caption in the skin's control colours (GroupBoxStyle), on their parent's
// colour.
class TSkinGroupBox : public ParentColourSkinner {
public:
    TSkinGroupBox(QGroupBox* box, TSkinWindow& window);

protected:
    void SkinOn() override;

private:
    GroupBoxStyle* style_;  // a child of the skinner: it outlives the look that wears it
};

}  // namespace skin
