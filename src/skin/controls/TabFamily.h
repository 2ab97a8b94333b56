#pragma once

namespace skin {

class SkinnerRegistry;

// Tab controls, sliders (track bars) and progress bars: TSkinTabControl, TSkinTrackBar and
// TSkinProgressBar.
void RegisterTabFamilySkinners(SkinnerRegistry& registry);

}  // namespace skin
