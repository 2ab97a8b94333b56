#pragma once

#include <QHash>
#include <QPointer>
#include <QStyle>

class QMenu;

namespace skin {

// Puts a style on menus and their submenus and gives each its earlier style back. A menu keeps
// one record however often it is styled, so restoring always returns the menu's own style.
class MenuStyler {
public:
    explicit MenuStyler(QStyle& style) : style_(style) {}
    ~MenuStyler() { RestoreAll(); }
    MenuStyler(const MenuStyler&) = delete;
    MenuStyler& operator=(const MenuStyler&) = delete;

    void Apply(QMenu* menu);
    void Restore(QMenu* menu);
    void RestoreAll();
    bool IsStyled(const QMenu* menu) const { return saved_.contains(menu); }

private:
    struct Saved {
        QPointer<QMenu> Menu;
        QPointer<QStyle> Style;  // the menu's own style; none when it used the application's
        QMetaObject::Connection Forget;
    };

    void ApplyOne(QMenu* menu);
    void RestoreOne(QMenu* menu);

    QStyle& style_;
    QHash<const QMenu*, Saved> saved_;
};

}  // namespace skin
