#pragma once

namespace skin {

class SkinnerRegistry;

// Push buttons, tool buttons, check boxes and radio buttons.
void RegisterButtonSkinners(SkinnerRegistry& registry);

}  // namespace skin
