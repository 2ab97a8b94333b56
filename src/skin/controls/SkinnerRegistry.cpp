#include "skin/controls/SkinnerRegistry.h"

#include <QWidget>

#include "skin/controls/TSkinControl.h"

namespace skin {

SkinnerRegistry& SkinnerRegistry::Instance() {
    static SkinnerRegistry registry = [] {
        SkinnerRegistry built(BuiltinSkinnerRows());
        RegisterControlFamilies(built);
        return built;
    }();
    return registry;
}

void SkinnerRegistry::RegisterSkinners(std::span<const SkinnerRow> rows) {
    rows_.insert(rows_.end(), rows.begin(), rows.end());
}

void SkinnerRegistry::RegisterSkinnerClass(const QByteArray& skinner, SkinnerFactory factory) {
    factories_.insert(skinner, std::move(factory));
}

void SkinnerRegistry::UnregisterSkinnerClass(const QByteArray& skinner) {
    factories_.remove(skinner);
}

QByteArray SkinnerRegistry::FindSkinnerClass(const QWidget* widget) const {
    if (!widget) return {};
    for (auto row = rows_.rbegin(); row != rows_.rend(); ++row) {
        if (factories_.contains(row->Skinner) && widget->inherits(row->QtClass)) {
            return row->Skinner;
        }
    }
    return {};
}

std::unique_ptr<TSkinControl> SkinnerRegistry::FindSkinner(QWidget* widget,
                                                           TSkinWindow& window) const {
    const QByteArray skinner = FindSkinnerClass(widget);
    if (skinner.isEmpty()) return nullptr;
    return factories_.value(skinner)(widget, window);
}

}  // namespace skin
