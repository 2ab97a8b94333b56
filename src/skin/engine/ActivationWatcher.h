#pragma once

#include <QObject>

class QMenu;
class QWidget;

namespace skin {

class TSkinEngine;

// Registers windows as they are shown or activated: message boxes and standard dialogs while
// the engine's SkinDialogs is on, application forms made after the engine skinned the screen's
// forms, and menus popping up from a skinned window. One per program, serving the first engine.
class ActivationWatcher : public QObject {
public:
    explicit ActivationWatcher(TSkinEngine& engine);  // watches the whole application
    ~ActivationWatcher() override;

    static bool Installed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WindowShown(QWidget* window);
    void MenuShown(QMenu* menu);

    TSkinEngine& engine_;
};

}  // namespace skin
