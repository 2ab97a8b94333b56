#pragma once

#include "skin/data/SkinProgressBarRes.h"
#include "skin/data/SkinScrollBtnRes.h"
#include "skin/data/SkinTabRes.h"

namespace skin {

// The three resources a skin engine keeps, rebuilt together after every skin load.
struct SkinResources {
    TSkinScrollBtnRes ScrollButtons;
    TSkinProgressBarRes ProgressBar;
    TSkinTabRes Tabs;

    // In the engine's order: scroll buttons, progress bar, tabs.
    void SetReader(const TSkinReader* reader) {
        ScrollButtons.SetReader(reader);
        ProgressBar.SetReader(reader);
        Tabs.SetReader(reader);
    }
};

}  // namespace skin
