#pragma once

#include <QString>
#include <memory>

class QMenu;
class QStyle;

namespace skin {

class MenuStyler;
class SkinSystemMenu;
class SkinValues;
class TSkinWindow;

// The engine's menus: popup menus drawn with the skin, submenus included; the style skinned menu
// bars wear, one for all of them; and the system menu skin windows open, which is always drawn
// with the skin.
class SkinMenus {
public:
    // `skin` outlives the menus.
    explicit SkinMenus(const SkinValues& skin);
    ~SkinMenus();
    SkinMenus(const SkinMenus&) = delete;
    SkinMenus& operator=(const SkinMenus&) = delete;

    void OwnerDraw(QMenu* menu);
    // The menu gets its own look back.
    void Restore(QMenu* menu);
    bool IsOwnerDrawn(const QMenu* menu) const;
    // Every menu but the system menu gets its own look back.
    void RestoreOthers();
    QStyle* MenuBarStyle();

    QMenu* SystemMenu() const;
    void SetSystemCaptions(const QString& minimize, const QString& maximize, const QString& close);
    TSkinWindow* SysMenuOwner() const;
    void SetSysMenuOwner(TSkinWindow* owner);

private:
    // Gone in reverse order: the bar style first, then every menu gets its own style back
    // before the style it wore goes.
    const SkinValues& skin_;
    std::unique_ptr<QStyle> menuStyle_;
    std::unique_ptr<SkinSystemMenu> systemMenu_;
    std::unique_ptr<MenuStyler> styler_;
    std::unique_ptr<QStyle> menuBarStyle_;
};

}  // namespace skin
