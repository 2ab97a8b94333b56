#pragma once

namespace skin {

class SkinnerRegistry;

// Scroll bars, bordered and scrolling controls (edits, memos, lists, trees, grids, scroll
// boxes), combo boxes, date and time editors and spin boxes.
void RegisterScrollingSkinners(SkinnerRegistry& registry);

}  // namespace skin
