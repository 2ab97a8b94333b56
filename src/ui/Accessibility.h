#pragma once

#include <QAccessibleWidget>
#include <functional>

namespace plivant {

// What assistive technology hears of a widget whose class Qt does not describe well enough: a
// role of its own, a name computed when asked, and a "press" action when it has one.
class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role, std::function<QString()> name = {},
                   std::function<void()> press = {});

    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    std::function<QString()> name_;
    std::function<void()> press_;
};

namespace detail {
void AddAccessibleMaker(std::function<QAccessibleInterface*(QObject*)> maker);
}

// Gives the widgets of class W the accessible interface `make` builds. Call it from W's
// constructor: only the first call installs it.
template <typename W>
void InstallAccessible(QAccessibleInterface* (*make)(W*)) {
    static const bool installed = [make] {
        detail::AddAccessibleMaker([make](QObject* object) -> QAccessibleInterface* {
            auto* widget = dynamic_cast<W*>(object);
            return widget ? make(widget) : nullptr;
        });
        return true;
    }();
    (void)installed;
}

}  // namespace plivant
