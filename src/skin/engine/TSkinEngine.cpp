#include "skin/engine/TSkinEngine.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <algorithm>

#include "skin/data/SkinError.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/BitmapOps.h"
#include "skin/draw/SystemFonts.h"
#include "skin/engine/ActivationWatcher.h"
#include "skin/engine/CheckMark.h"
#include "skin/engine/EngineError.h"
#include "skin/engine/MenuStyler.h"
#include "skin/engine/SkinFileSearch.h"
#include "skin/engine/SkinMarks.h"
#include "skin/engine/SkinMenuStyle.h"
#include "skin/engine/SkinSystemMenu.h"
#include "skin/engine/WindowKinds.h"
#include "skin/windows/SkinMenuBarStyle.h"
#include "skin/windows/TSkinWindowVCL.h"
#include "skin/windows/TSkinWindowWnd.h"

namespace skin {
namespace {

QPointer<QWidget> lastDestroyedDialog;

QWidget* CheckedForm(QWidget* form) {
    if (!form || !form->isWindow()) throw EngineError(kMustBeOnFormMessage);
    return form;
}

}  // namespace

TSkinEngine::TSkinEngine(QWidget* form)
    : QObject(CheckedForm(form)),
      form_(form),
      resMin_(QStringLiteral("Mi&nimize")),
      resMax_(QStringLiteral("Ma&ximize/Restore")),
      resClose_(QStringLiteral("&Close")) {
    for (QObject* child : form->children()) {
        if (child != this && qobject_cast<TSkinEngine*>(child))
            throw EngineError(kOneEnginePerFormMessage);
    }
    // Native child windows would escape the frame's margins and mask.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    reader_.OnLoaded = [this](TSkinReader&) { SkinLoaded(); };
    menuLook_.CheckMark = BuiltinCheckMark();
    AssignMenuFont(menuLook_.Font);
    AssignCaptionFont(captionFont_);
    captionMetrics_.emplace(captionFont_);
    menuStyle_ = std::make_unique<SkinMenuStyle>(menuLook_);
    menuStyler_ = std::make_unique<MenuStyler>(*menuStyle_);
    systemMenu_ = std::make_unique<SkinSystemMenu>(*this);
    systemMenu_->SetCaptions(resMin_, resMax_, resClose_);
    OwnerDrawMenu(systemMenu_->Menu());
    if (!ActivationWatcher::Installed()) watcher_ = std::make_unique<ActivationWatcher>(*this);
}

TSkinEngine::~TSkinEngine() {
    watcher_.reset();
    // While Qt deletes a form's children, the engine is no longer listed among them: the form is
    // going, and nothing is put back on it.
    const bool formGoing = !form_ || !form_->children().contains(this);
    while (!windows_.empty()) {
        std::unique_ptr<TSkinWindow> window = std::move(windows_.back());
        windows_.pop_back();
        if (formGoing && window->Window() == form_) window->WindowGoing();
    }
    gone_.clear();
    menuBarStyle_.reset();
    menuStyler_->RestoreAll();
}

void TSkinEngine::SetActive(bool active) {
    active_ = active;
    for (TSkinWindow* window : SkinWindows()) window->SetSkinned(active);
    if (!IsSkinning()) {
        menuStyler_->RestoreAll();
        OwnerDrawMenu(systemMenu_->Menu());
    }
}

void TSkinEngine::SetSkinFile(const QString& fileName) {
    const QString found = FindSkinFile(fileName);
    if (found.isEmpty()) return;
    skinFile_ = found;
    try {
        reader_.LoadSkin(found, password_);
    } catch (const SkinError&) {
        skinFile_.clear();
        LoadFailed();
        throw;
    }
}

void TSkinEngine::SetSkinData(const QByteArray& container) {
    try {
        reader_.LoadSkinData(container, password_);
    } catch (const SkinError&) {
        LoadFailed();
        throw;
    }
}

// No skin is loaded any more: every window takes its own look back.
void TSkinEngine::LoadFailed() {
    for (TSkinWindow* window : SkinWindows()) window->SetSkinned(active_);
}

void TSkinEngine::SetResSysMenuMin(const QString& caption) {
    resMin_ = caption;
    systemMenu_->SetCaptions(resMin_, resMax_, resClose_);
}

void TSkinEngine::SetResSysMenuMax(const QString& caption) {
    resMax_ = caption;
    systemMenu_->SetCaptions(resMin_, resMax_, resClose_);
}

void TSkinEngine::SetResSysMenuClose(const QString& caption) {
    resClose_ = caption;
    systemMenu_->SetCaptions(resMin_, resMax_, resClose_);
}

void TSkinEngine::SetBuiltIn(bool builtIn) {
    if (!loading_) throw EngineError(kBuiltInAtRunTimeMessage);
    builtIn_ = builtIn;
}

void TSkinEngine::SetSkinAllForms(bool on) {
    skinAllForms_ = on;
    if (loading_) return;
    if (on) {
        SkinScreenForms();
    } else {
        UnskinOtherForms();
    }
}

void TSkinEngine::Loaded() {
    if (!loading_) return;
    loading_ = false;
    RegisterWindow(form_, false);
}

bool TSkinEngine::GetElementFrame(int bitmap, Bitmap& destination, int frameIndex,
                                  int frameCount) const {
    const Bitmap* element = reader_.GetBitmap(bitmap);
    if (!element) return false;
    destination =
        frameIndex != 0 && frameCount != 0 ? FrameOf(*element, frameCount, frameIndex) : *element;
    return true;
}

void TSkinEngine::SkinLoaded() {
    ++generation_;
    metrics_ = SkinMetrics::FromReader(reader_);
    pieces_ = FramePieces::FromReader(reader_);
    resources_.SetReader(&reader_);
    menuLook_.Colors = metrics_.MenuColors;
    const Bitmap* check = reader_.GetBitmap(bitmaps::CheckedMenuIcon);
    menuLook_.CheckMark = check && !check->IsEmpty() ? SkinCheckMark(*check, metrics_.TransColor)
                                                     : BuiltinCheckMark();
    // Windows are not hidden meanwhile: hiding a dialog would end its modal loop.
    for (TSkinWindow* window : SkinWindows()) {
        if (active_) {
            window->SetSkinned(false);
            window->SetSkinned(true);
        }
        window->SkinChanged();
    }
    if (OnSkinChanged) OnSkinChanged(*this);
}

std::unique_ptr<TSkinWindow> TSkinEngine::MakeSkinWindow(QWidget* window,
                                                         bool skinnedOnActivation) {
    if (IsStandardDialog(window)) return std::make_unique<TSkinWindowWnd>(window, *this);
    return std::make_unique<TSkinWindowVCL>(window, skinnedOnActivation, *this);
}

void TSkinEngine::RegisterWindow(QWidget* window, bool skinnedOnActivation) {
    if (!window || FindSkinWindow(window)) return;
    windows_.push_back(MakeSkinWindow(window, skinnedOnActivation));
    TSkinWindow* skinWindow = windows_.back().get();
    connect(window, &QObject::destroyed, skinWindow,
            [this, skinWindow] { ForgetWindow(skinWindow); });
    try {
        skinWindow->Start();
        skinWindow->SkinChanged();
    } catch (...) {
        ForgetWindow(skinWindow);
        throw;
    }
}

// The window is gone (or going): its skin window leaves the list now and is freed later, as
// this may run inside the skin window's own event handling.
void TSkinEngine::ForgetWindow(TSkinWindow* window) {
    auto found = std::find_if(windows_.begin(), windows_.end(),
                              [window](const auto& each) { return each.get() == window; });
    if (found == windows_.end()) return;
    gone_.push_back(std::move(*found));
    windows_.erase(found);
    if (gone_.size() == 1) QTimer::singleShot(0, this, [this] { gone_.clear(); });
}

void TSkinEngine::UnregisterWindow(QWidget* window) {
    auto found = std::find_if(windows_.begin(), windows_.end(),
                              [window](const auto& each) { return each->Window() == window; });
    if (found == windows_.end()) return;
    std::unique_ptr<TSkinWindow> skinWindow = std::move(*found);
    windows_.erase(found);
    if (IsStandardDialog(window)) SetLastDestroyedDialog(window);
    unregistering_ = true;
    skinWindow.reset();
    unregistering_ = false;
}

void TSkinEngine::SkinScreenForms() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!IsApplicationForm(widget) || IsSkinned(widget)) continue;
        if (TagOf(widget) == disabledTag_) continue;
        RegisterWindow(widget, false);
    }
}

void TSkinEngine::UnskinOtherForms() {
    for (TSkinWindow* window : SkinWindows()) {
        if (window->Window() != form_) UnregisterWindow(window->Window());
    }
}

TSkinWindow* TSkinEngine::FindSkinWindow(const QWidget* window) const {
    if (!window) return nullptr;
    for (const auto& each : windows_) {
        if (each->Window() == window) return each.get();
    }
    return nullptr;
}

std::vector<TSkinWindow*> TSkinEngine::SkinWindows() const {
    std::vector<TSkinWindow*> list;
    for (const auto& each : windows_) list.push_back(each.get());
    return list;
}

QMenu* TSkinEngine::SystemMenu() const { return systemMenu_->Menu(); }

void TSkinEngine::OwnerDrawMenu(QMenu* menu) {
    if (menu) menuStyler_->Apply(menu);
}

void TSkinEngine::RestoreMenu(QMenu* menu) {
    if (menu) menuStyler_->Restore(menu);
}

QStyle* TSkinEngine::MenuBarStyle() {
    if (!menuBarStyle_) menuBarStyle_ = std::make_unique<SkinMenuBarStyle>(*this);
    return menuBarStyle_.get();
}

bool TSkinEngine::IsOwnerDrawn(const QMenu* menu) const {
    return menu && menuStyler_->IsStyled(menu);
}

QWidget* TSkinEngine::LastDestroyedDialog() { return lastDestroyedDialog; }

void TSkinEngine::SetLastDestroyedDialog(QWidget* dialog) { lastDestroyedDialog = dialog; }

}  // namespace skin
