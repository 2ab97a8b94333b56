#pragma once

#include <QStringList>
#include <memory>
#include <vector>

#include "skin/controls/WidgetLook.h"

class QWidget;

namespace skin {

class SkinnerRegistry;
class TSkinControl;
class SkinnerHost;

// The skinners of one skin window's controls, in attach order: the walk that gives each control
// the skinner its class calls for, switching them with the skin, and letting them go.
class ControlSkinning {
public:
    ControlSkinning(SkinnerHost& window, const SkinnerRegistry& registry);
    ~ControlSkinning();
    ControlSkinning(const ControlSkinning&) = delete;
    ControlSkinning& operator=(const ControlSkinning&) = delete;

    // Every widget inside `root`, depth first in child order.
    void SkinChildren(QWidget* root);
    // One widget and, unless it is left out, the widgets inside it. Left out (with all inside):
    // windows, widgets tagged with the engine's DisabledTag, widgets already skinned, the skin's
    // own widgets, excluded classes, and the editor inside a combo or spin box.
    void SkinControl(QWidget* control);
    // Each skinner's ApplySkin and a repaint; a skinner that throws is passed over.
    void ApplySkinState();
    // Every skinner lets its control go and is freed.
    void UnskinChildren();

    std::vector<TSkinControl*> Skinners() const;

    // Class names never skinned; empty unless the program adds some.
    static QStringList& ExcludedClassNames();

private:
    bool Attach(QWidget* control);
    void ColourEmbeddedForm(QWidget* form);
    void Pack();

    SkinnerHost& window_;
    const SkinnerRegistry& registry_;
    std::vector<std::unique_ptr<TSkinControl>> skinners_;
    std::vector<WidgetLook> embeddedForms_;
};

}  // namespace skin
