#include "skin/engine/MenuStyler.h"

#include <QMenu>
#include <QSet>
#include <functional>

namespace skin {
namespace {

// The menu and every submenu reachable from it, each once.
void ForEachMenu(QMenu* menu, const std::function<void(QMenu*)>& visit) {
    QSet<QMenu*> seen;
    std::function<void(QMenu*)> walk = [&](QMenu* m) {
        if (!m || seen.contains(m)) return;
        seen.insert(m);
        visit(m);
        for (QAction* action : m->actions()) walk(action->menu());
    };
    walk(menu);
}

}  // namespace

void MenuStyler::Apply(QMenu* menu) {
    ForEachMenu(menu, [this](QMenu* m) { ApplyOne(m); });
}

void MenuStyler::Restore(QMenu* menu) {
    ForEachMenu(menu, [this](QMenu* m) { RestoreOne(m); });
}

void MenuStyler::RestoreAll() {
    const auto records = saved_.values();
    for (const Saved& record : records) {
        if (record.Menu) RestoreOne(record.Menu);
    }
    for (const Saved& record : saved_) QObject::disconnect(record.Forget);
    saved_.clear();
}

void MenuStyler::ApplyOne(QMenu* menu) {
    if (saved_.contains(menu)) return;
    Saved record{menu, menu->testAttribute(Qt::WA_SetStyle) ? menu->style() : nullptr, {}};
    record.Forget =
        QObject::connect(menu, &QObject::destroyed, [this, menu] { saved_.remove(menu); });
    saved_.insert(menu, record);
    menu->setStyle(&style_);
}

void MenuStyler::RestoreOne(QMenu* menu) {
    auto found = saved_.find(menu);
    if (found == saved_.end()) return;
    const Saved record = *found;
    saved_.erase(found);
    QObject::disconnect(record.Forget);
    menu->setStyle(record.Style.data());
}

}  // namespace skin
