#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "skin/engine/SkinMenus.h"
#include "skin/engine/WindowRegistry.h"
#include "skin/values/SkinValues.h"
#include "skin/windows/WindowEngine.h"

namespace skin {

class ActivationWatcher;

// Gives every window of the application the look of one skin. It sits on the main form (its
// parent), loads the skin into the values every painter reads (SkinValues), and registers the
// windows to be skinned: its own form when loading ends, every application form when that form
// is first shown, standard dialogs and message boxes when they are shown. Each registered window
// gets one skin window object, kept by the engine's WindowRegistry; popup menus, the menu bar
// style and the system menu are the engine's SkinMenus.
class TSkinEngine : public QObject, public WindowEngine {
    Q_OBJECT
public:
    // `form` must be a top-level widget without another engine; throws EngineError otherwise.
    explicit TSkinEngine(QWidget* form);
    ~TSkinEngine() override;

    // Skinning on or off for every skin window; off gives each window its own look back without
    // unregistering it.
    bool Active() const { return skin_.Active(); }
    void SetActive(bool active);
    // True while a skin is loaded.
    bool Ready() const { return skin_.Ready(); }
    const QByteArray& Password() const { return password_; }
    void SetPassword(const QByteArray& password) { password_ = password; }
    // Loads the named skin container, looked for in the search folders when the name is not an
    // existing file (SkinFileSearch.h). A name found nowhere changes nothing; a file that cannot
    // be read clears SkinFile and throws SkinError.
    const QString& SkinFile() const { return skinFile_; }
    void SetSkinFile(const QString& fileName);
    // The bytes of a skin container carried by the program: loaded at once (throws SkinError).
    void SetSkinData(const QByteArray& container);
    // Captions of the system menu's items.
    const QString& ResSysMenuMin() const { return resMin_; }
    const QString& ResSysMenuMax() const { return resMax_; }
    const QString& ResSysMenuClose() const { return resClose_; }
    void SetResSysMenuMin(const QString& caption);
    void SetResSysMenuMax(const QString& caption);
    void SetResSysMenuClose(const QString& caption);
    // A form or control whose Tag equals it is never skinned.
    int DisabledTag() const { return skin_.DisabledTag(); }
    void SetDisabledTag(int tag) { skin_.SetDisabledTag(tag); }
    bool DrawScrollBar() const { return skin_.DrawScrollBar(); }
    void SetDrawScrollBar(bool on) { skin_.SetDrawScrollBar(on); }
    QString Version() const { return QStringLiteral("1.0"); }
    // Whether the skin came with the program; settable only until loading ends.
    bool BuiltIn() const { return builtIn_; }
    void SetBuiltIn(bool builtIn);
    // Skin standard dialogs and message boxes when they are shown.
    bool SkinDialogs() const { return skinDialogs_; }
    void SetSkinDialogs(bool on) { skinDialogs_ = on; }
    // Skin every application form, not only the engine's own.
    bool SkinAllForms() const override { return skinAllForms_; }
    void SetSkinAllForms(bool on);
    // Ready and Version are properties a form description may write as well; writing them
    // changes nothing.
    void SetReady(bool) {}
    void SetVersion(const QString&) {}
    // Called after a skin has been loaded and applied.
    std::function<void(TSkinEngine&)> OnSkinChanged;

    // End of loading: registers the engine's own form.
    void Loaded();
    bool Loading() const { return loading_; }

    // What painters read: the loaded skin and whether it is drawn.
    const SkinValues& Skin() const override { return skin_; }
    bool IsSkinning() const { return skin_.IsSkinning(); }
    QWidget* Form() const override { return form_; }

    // Window registration.
    void RegisterWindow(QWidget* window, bool skinnedOnActivation);
    void UnregisterWindow(QWidget* window) { registry_.Unregister(window); }
    void SkinScreenForms() override;
    void UnskinOtherForms();
    TSkinWindow* FindSkinWindow(const QWidget* window) const override;
    std::vector<TSkinWindow*> SkinWindows() const { return registry_.All(); }
    bool Unregistering() const { return registry_.Unregistering(); }

    // The system menu skin windows open on their icon and caption.
    QMenu* SystemMenu() const override { return menus_.SystemMenu(); }
    TSkinWindow* SysMenuOwner() const { return menus_.SysMenuOwner(); }
    void SetSysMenuOwner(TSkinWindow* owner) override { menus_.SetSysMenuOwner(owner); }

    // Popup menus drawn with the skin, submenus included; RestoreMenu hands a menu its own look
    // back.
    void OwnerDrawMenu(QMenu* menu) override { menus_.OwnerDraw(menu); }
    void RestoreMenu(QMenu* menu) override { menus_.Restore(menu); }
    bool IsOwnerDrawn(const QMenu* menu) const override { return menus_.IsOwnerDrawn(menu); }
    // The style skinned menu bars wear, one for all of them.
    QStyle* MenuBarStyle() override { return menus_.MenuBarStyle(); }

private:
    void SkinLoaded();
    void LoadFailed();
    void SetSystemCaptions();

    QPointer<QWidget> form_;
    SkinValues skin_;
    SkinMenus menus_;
    WindowRegistry registry_;
    std::unique_ptr<ActivationWatcher> watcher_;

    bool loading_ = true;
    bool builtIn_ = false;
    bool skinDialogs_ = true;
    bool skinAllForms_ = true;
    QByteArray password_;
    QString skinFile_;
    QString resMin_;
    QString resMax_;
    QString resClose_;
};

}  // namespace skin
