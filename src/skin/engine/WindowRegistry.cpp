#include "skin/engine/WindowRegistry.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "skin/engine/WindowKinds.h"
#include "skin/windows/TSkinWindowVCL.h"
#include "skin/windows/TSkinWindowWnd.h"

namespace skin {
namespace {

QPointer<QWidget> lastDestroyedDialog;

}  // namespace

WindowRegistry::WindowRegistry(WindowEngine& engine) : engine_(engine) {}

WindowRegistry::~WindowRegistry() = default;

std::unique_ptr<TSkinWindow> WindowRegistry::Make(QWidget* window, bool skinnedOnActivation) {
    if (IsStandardDialog(window)) return std::make_unique<TSkinWindowWnd>(window, engine_);
    return std::make_unique<TSkinWindowVCL>(window, skinnedOnActivation, engine_);
}

void WindowRegistry::Register(QWidget* window, bool skinnedOnActivation) {
    if (!window || Find(window)) return;
    windows_.push_back(Make(window, skinnedOnActivation));
    TSkinWindow* skinWindow = windows_.back().get();
    connect(window, &QObject::destroyed, skinWindow, [this, skinWindow] { Forget(skinWindow); });
    try {
        skinWindow->Start();
        skinWindow->SkinChanged();
    } catch (...) {
        Forget(skinWindow);
        throw;
    }
}

// The window is gone (or going): its skin window leaves the list now and is freed later, as
// this may run inside the skin window's own event handling.
void WindowRegistry::Forget(TSkinWindow* window) {
    auto found = std::find_if(windows_.begin(), windows_.end(),
                              [window](const auto& each) { return each.get() == window; });
    if (found == windows_.end()) return;
    gone_.push_back(std::move(*found));
    windows_.erase(found);
    // The first to go asks for the clearing, which frees all that go in the same event.
    if (gone_.size() == 1) QTimer::singleShot(0, this, [this] { gone_.clear(); });
}

void WindowRegistry::Unregister(QWidget* window) {
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

TSkinWindow* WindowRegistry::Find(const QWidget* window) const {
    if (!window) return nullptr;
    for (const auto& each : windows_) {
        if (each->Window() == window) return each.get();
    }
    return nullptr;
}

std::vector<TSkinWindow*> WindowRegistry::All() const {
    std::vector<TSkinWindow*> list;
    for (const auto& each : windows_) list.push_back(each.get());
    return list;
}

void WindowRegistry::Clear(const QWidget* form, bool formGoing) {
    while (!windows_.empty()) {
        std::unique_ptr<TSkinWindow> window = std::move(windows_.back());
        windows_.pop_back();
        if (formGoing && window->Window() == form) window->WindowGoing();
    }
    gone_.clear();
}

QWidget* WindowRegistry::LastDestroyedDialog() { return lastDestroyedDialog; }

void WindowRegistry::SetLastDestroyedDialog(QWidget* dialog) { lastDestroyedDialog = dialog; }

}  // namespace skin
