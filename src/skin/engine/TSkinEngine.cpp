#include "skin/engine/TSkinEngine.h"

#include <QApplication>

#include "skin/data/SkinError.h"
#include "skin/engine/ActivationWatcher.h"
#include "skin/engine/EngineError.h"
#include "skin/engine/SkinFileSearch.h"
#include "skin/engine/WindowKinds.h"
#include "skin/values/SkinMarks.h"
#include "skin/windows/TSkinWindow.h"

namespace skin {
namespace {

QWidget* CheckedForm(QWidget* form) {
    if (!form || !form->isWindow()) throw EngineError(kMustBeOnFormMessage);
    return form;
}

}  // namespace

TSkinEngine::TSkinEngine(QWidget* form)
    : QObject(CheckedForm(form)),
      form_(form),
      menus_(skin_),
      registry_(*this),
      resMin_(QStringLiteral("Mi&nimize")),
      resMax_(QStringLiteral("Ma&ximize/Restore")),
      resClose_(QStringLiteral("&Close")) {
    for (QObject* child : form->children()) {
        if (child != this && qobject_cast<TSkinEngine*>(child))
            throw EngineError(kOneEnginePerFormMessage);
    }
    // Native child windows would escape the frame's margins and mask.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    skin_.OnLoaded = [this] { SkinLoaded(); };
    SetSystemCaptions();
    if (!ActivationWatcher::Installed()) watcher_ = std::make_unique<ActivationWatcher>(*this);
}

TSkinEngine::~TSkinEngine() {
    watcher_.reset();
    // While Qt deletes a form's children, the engine is no longer listed among them: the form is
    // going, and nothing is put back on it.
    const bool formGoing = !form_ || !form_->children().contains(this);
    registry_.Clear(form_, formGoing);
}

void TSkinEngine::SetActive(bool active) {
    skin_.SetActive(active);
    for (TSkinWindow* window : SkinWindows()) window->SetSkinned(active);
    if (!IsSkinning()) menus_.RestoreOthers();
}

void TSkinEngine::SetSkinFile(const QString& fileName) {
    const QString found = FindSkinFile(fileName);
    if (found.isEmpty()) return;
    skinFile_ = found;
    try {
        skin_.LoadSkin(found, password_);
    } catch (const SkinError&) {
        skinFile_.clear();
        LoadFailed();
        throw;
    }
}

void TSkinEngine::SetSkinData(const QByteArray& container) {
    try {
        skin_.LoadSkinData(container, password_);
    } catch (const SkinError&) {
        LoadFailed();
        throw;
    }
}

// No skin is loaded any more: every window takes its own look back.
void TSkinEngine::LoadFailed() {
    for (TSkinWindow* window : SkinWindows()) window->SetSkinned(Active());
}

void TSkinEngine::SetSystemCaptions() { menus_.SetSystemCaptions(resMin_, resMax_, resClose_); }

void TSkinEngine::SetResSysMenuMin(const QString& caption) {
    resMin_ = caption;
    SetSystemCaptions();
}

void TSkinEngine::SetResSysMenuMax(const QString& caption) {
    resMax_ = caption;
    SetSystemCaptions();
}

void TSkinEngine::SetResSysMenuClose(const QString& caption) {
    resClose_ = caption;
    SetSystemCaptions();
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

// The values are cut anew; every window is painted with them.
void TSkinEngine::SkinLoaded() {
    // Windows are not hidden meanwhile: hiding a dialog would end its modal loop.
    for (TSkinWindow* window : SkinWindows()) {
        if (Active()) {
            // Off and on again: the old skin's frame comes off by its own sizes before the new
            // one goes on by the new sizes.
            window->SetSkinned(false);
            window->SetSkinned(true);
        }
        window->SkinChanged();
    }
    if (OnSkinChanged) OnSkinChanged(*this);
}

void TSkinEngine::RegisterWindow(QWidget* window, bool skinnedOnActivation) {
    registry_.Register(window, skinnedOnActivation);
}

void TSkinEngine::SkinScreenForms() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!IsApplicationForm(widget) || IsSkinned(widget)) continue;
        if (TagOf(widget) == DisabledTag()) continue;
        RegisterWindow(widget, false);
    }
}

void TSkinEngine::UnskinOtherForms() {
    for (TSkinWindow* window : SkinWindows()) {
        if (window->Window() != form_) UnregisterWindow(window->Window());
    }
}

TSkinWindow* TSkinEngine::FindSkinWindow(const QWidget* window) const {
    return registry_.Find(window);
}

}  // namespace skin
