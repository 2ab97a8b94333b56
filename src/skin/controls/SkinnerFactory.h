#pragma once

#include <QWidget>
#include <memory>

#include "skin/controls/SkinnerRegistry.h"

namespace skin {

// The factory of skinner class `Skinner` for widgets of class `Widget`. A widget of another
// class gets no skinner rather than a skinner that cannot handle it.
template <typename Skinner, typename Widget>
SkinnerFactory FactoryOf() {
    return [](QWidget* widget, SkinnerHost& window) -> std::unique_ptr<TSkinControl> {
        auto* typed = qobject_cast<Widget*>(widget);
        if (!typed) return nullptr;
        return std::make_unique<Skinner>(typed, window);
    };
}

}  // namespace skin
