#pragma once

#include <QByteArray>
#include <QFont>
#include <QFontMetrics>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "skin/data/SkinReader.h"
#include "skin/data/SkinResources.h"
#include "skin/engine/MenuLook.h"
#include "skin/engine/SkinMetrics.h"
#include "skin/windows/FramePieces.h"
#include "skin/windows/TSkinWindow.h"

class QMenu;
class QStyle;

namespace skin {

class ActivationWatcher;
class MenuStyler;
class SkinSystemMenu;

// Gives every window of the application the look of one skin. It sits on the main form (its
// parent), loads the skin, keeps the values window frames need, and registers the windows to be
// skinned: its own form when loading ends, every application form when that form is first
// shown, standard dialogs and message boxes when they are shown. Each registered window gets one
// skin window object, owned by the engine.
class TSkinEngine : public QObject {
    Q_OBJECT
public:
    // `form` must be a top-level widget without another engine; throws EngineError otherwise.
    explicit TSkinEngine(QWidget* form);
    ~TSkinEngine() override;

    // Skinning on or off for every skin window; off gives each window its own look back without
    // unregistering it.
    bool Active() const { return active_; }
    void SetActive(bool active);
    // True while a skin is loaded; writing it changes nothing.
    bool Ready() const { return reader_.Ready(); }
    void SetReady(bool) {}
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
    int DisabledTag() const { return disabledTag_; }
    void SetDisabledTag(int tag) { disabledTag_ = tag; }
    bool DrawScrollBar() const { return drawScrollBar_; }
    void SetDrawScrollBar(bool on) { drawScrollBar_ = on; }
    QString Version() const { return QStringLiteral("1.0"); }
    void SetVersion(const QString&) {}
    // Whether the skin came with the program; settable only until loading ends.
    bool BuiltIn() const { return builtIn_; }
    void SetBuiltIn(bool builtIn);
    // Skin standard dialogs and message boxes when they are shown.
    bool SkinDialogs() const { return skinDialogs_; }
    void SetSkinDialogs(bool on) { skinDialogs_ = on; }
    // Skin every application form, not only the engine's own.
    bool SkinAllForms() const { return skinAllForms_; }
    void SetSkinAllForms(bool on);
    // Called after a skin has been loaded and applied.
    std::function<void(TSkinEngine&)> OnSkinChanged;

    // End of loading: registers the engine's own form.
    void Loaded();
    bool Loading() const { return loading_; }

    // For the painters.
    bool IsSkinning() const { return active_ && reader_.Ready(); }
    bool GetElementFrame(int bitmap, Bitmap& destination, int frameIndex, int frameCount) const;
    const Bitmap* GetSkinBitmap(int bitmap) const { return reader_.GetBitmap(bitmap); }
    ColorRef GetSkinColor(int colour) const { return reader_.GetColor(colour); }
    int GetSkinBool(int flag) const { return reader_.GetBoolean(flag); }
    const SkinMetrics& Metrics() const { return metrics_; }
    const TSkinReader& Reader() const { return reader_; }
    const SkinResources& Resources() const { return resources_; }
    const MenuLook& Menus() const { return menuLook_; }
    const FramePieces& Pieces() const { return pieces_; }
    // The window system's caption font and its measures, looked up once.
    const QFont& CaptionFont() const { return captionFont_; }
    const QFontMetrics& CaptionMetrics() const { return *captionMetrics_; }
    // Counts the skins loaded, so that kept pictures know when they are out of date.
    int SkinGeneration() const { return generation_; }
    QWidget* Form() const { return form_; }

    // Window registration.
    void RegisterWindow(QWidget* window, bool skinnedOnActivation);
    void UnregisterWindow(QWidget* window);
    void SkinScreenForms();
    void UnskinOtherForms();
    TSkinWindow* FindSkinWindow(const QWidget* window) const;
    std::vector<TSkinWindow*> SkinWindows() const;
    bool Unregistering() const { return unregistering_; }

    // The system menu skin windows open on their icon and caption.
    QMenu* SystemMenu() const;
    TSkinWindow* SysMenuOwner() const { return sysMenuOwner_; }
    void SetSysMenuOwner(TSkinWindow* owner) { sysMenuOwner_ = owner; }

    // Popup menus drawn with the skin, submenus included; RestoreMenu hands a menu its own look
    // back.
    void OwnerDrawMenu(QMenu* menu);
    void RestoreMenu(QMenu* menu);
    bool IsOwnerDrawn(const QMenu* menu) const;
    // The style skinned menu bars wear, one for all of them.
    QStyle* MenuBarStyle();

    // The last dialog whose skin window went with it, so that a late activation of it is not
    // taken for a new dialog.
    static QWidget* LastDestroyedDialog();
    static void SetLastDestroyedDialog(QWidget* dialog);

private:
    void SkinLoaded();
    void LoadFailed();
    void ForgetWindow(TSkinWindow* window);
    std::unique_ptr<TSkinWindow> MakeSkinWindow(QWidget* window, bool skinnedOnActivation);

    QPointer<QWidget> form_;
    TSkinReader reader_;
    SkinResources resources_;
    SkinMetrics metrics_;
    FramePieces pieces_;
    MenuLook menuLook_;
    QFont captionFont_;
    std::optional<QFontMetrics> captionMetrics_;
    std::unique_ptr<QStyle> menuStyle_;
    std::unique_ptr<MenuStyler> menuStyler_;
    std::unique_ptr<QStyle> menuBarStyle_;
    std::unique_ptr<SkinSystemMenu> systemMenu_;
    std::unique_ptr<ActivationWatcher> watcher_;
    std::vector<std::unique_ptr<TSkinWindow>> windows_;
    std::vector<std::unique_ptr<TSkinWindow>>
        gone_;  // freed once the event that let them go is over
    QPointer<TSkinWindow> sysMenuOwner_;

    bool active_ = false;
    bool loading_ = true;
    bool builtIn_ = false;
    bool drawScrollBar_ = true;
    bool skinDialogs_ = true;
    bool skinAllForms_ = true;
    bool unregistering_ = false;
    int generation_ = 0;
    int disabledTag_ = 9999;
    QByteArray password_;
    QString skinFile_;
    QString resMin_;
    QString resMax_;
    QString resClose_;
};

}  // namespace skin
