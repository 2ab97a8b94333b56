#pragma once

#include <QObject>
#include <memory>
#include <vector>

class QWidget;

namespace skin {

class TSkinWindow;
class WindowEngine;

// The skin windows of one engine, one per registered window, in registration order. A skin
// window leaves when its window is destroyed or unregistered.
class WindowRegistry : public QObject {
public:
    explicit WindowRegistry(WindowEngine& engine);
    ~WindowRegistry() override;

    // Gives the window a skin window unless it has one: TSkinWindowWnd for a standard dialog,
    // TSkinWindowVCL for any other window; then starts it and paints its frame.
    void Register(QWidget* window, bool skinnedOnActivation);
    void Unregister(QWidget* window);
    TSkinWindow* Find(const QWidget* window) const;
    std::vector<TSkinWindow*> All() const;
    // True while Unregister destroys a skin window.
    bool Unregistering() const { return unregistering_; }
    // Every skin window goes, the last first; the one of `form` puts nothing back when
    // `formGoing`, as the form is being destroyed.
    void Clear(const QWidget* form, bool formGoing);

    // The last dialog whose skin window went with it, so that a late activation of it is not
    // taken for a new dialog.
    static QWidget* LastDestroyedDialog();
    static void SetLastDestroyedDialog(QWidget* dialog);

private:
    std::unique_ptr<TSkinWindow> Make(QWidget* window, bool skinnedOnActivation);
    void Forget(TSkinWindow* window);

    WindowEngine& engine_;
    std::vector<std::unique_ptr<TSkinWindow>> windows_;
    std::vector<std::unique_ptr<TSkinWindow>>
        gone_;  // freed once the event that let them go is over
    bool unregistering_ = false;
};

}  // namespace skin
