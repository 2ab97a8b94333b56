#pragma once

class QMenu;
class QStyle;
class QWidget;

namespace skin {

class SkinValues;
class TSkinWindow;

// The engine as the skin windows it made see it: the skin, its own form and the other forms,
// skinned menus and the system menu. TSkinEngine serves it; windows see nothing more of it.
class WindowEngine {
public:
    virtual const SkinValues& Skin() const = 0;

    // The form the engine sits on, and every other application form (TSkinEngine.h).
    virtual QWidget* Form() const = 0;
    virtual bool SkinAllForms() const = 0;
    virtual void SkinScreenForms() = 0;
    virtual TSkinWindow* FindSkinWindow(const QWidget* window) const = 0;

    // Popup menus in the skin's look, and the style of skinned menu bars.
    virtual void OwnerDrawMenu(QMenu* menu) = 0;
    virtual void RestoreMenu(QMenu* menu) = 0;
    virtual bool IsOwnerDrawn(const QMenu* menu) const = 0;
    virtual QStyle* MenuBarStyle() = 0;

    // The system menu, acting on the window that opened it last.
    virtual QMenu* SystemMenu() const = 0;
    virtual void SetSysMenuOwner(TSkinWindow* owner) = 0;

protected:
    ~WindowEngine() = default;
};

}  // namespace skin
