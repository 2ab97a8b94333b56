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
    FindActiveRows();
}

void SkinnerRegistry::RegisterSkinnerClass(const QByteArray& skinner, SkinnerFactory factory) {
    factories_.insert(skinner, std::move(factory));
    FindActiveRows();
}

void SkinnerRegistry::UnregisterSkinnerClass(const QByteArray& skinner) {
    factories_.remove(skinner);
    FindActiveRows();
}

// Every control of every skinned window is looked up: the rows that cannot match are left out
// once, not at each lookup.
void SkinnerRegistry::FindActiveRows() {
    active_.clear();
    for (const SkinnerRow& row : rows_) {
        if (factories_.contains(row.Skinner)) active_.push_back(row);
    }
}

QByteArray SkinnerRegistry::FindSkinnerClass(const QWidget* widget) const {
    if (!widget) return {};
    for (auto row = active_.rbegin(); row != active_.rend(); ++row) {
        if (widget->inherits(row->QtClass)) return row->Skinner;
    }
    return {};
}

std::unique_ptr<TSkinControl> SkinnerRegistry::FindSkinner(QWidget* widget,
                                                           SkinnerHost& window) const {
    const QByteArray skinner = FindSkinnerClass(widget);
    if (skinner.isEmpty()) return nullptr;
    return factories_.value(skinner)(widget, window);
}

}  // namespace skin
