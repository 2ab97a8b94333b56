#pragma once

namespace skin {

class SkinnerRegistry;

// Tool bars, status bars, group boxes, panels, labels and frames.
void RegisterBarSkinners(SkinnerRegistry& registry);

}  // namespace skin
