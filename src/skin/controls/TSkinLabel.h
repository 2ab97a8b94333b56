#pragma once

#include "skin/controls/ParentColourSkinner.h"

class QLabel;

namespace skin {

// Labels take the skin's control font colour. A label given a text colour of its own (a link, a
// coloured notice) keeps it: that colour is part of what it says.
class TSkinLabel : public ParentColourSkinner {
public:
    TSkinLabel(QLabel* label, SkinnerHost& window);

    void Init() override;

protected:
    void SkinOn() override;

private:
    bool ownTextColour_ = false;
};

}  // namespace skin
