#include "skin/controls/ControlSkinning.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QMainWindow>

#include "skin/controls/SkinnerHost.h"
#include "skin/controls/SkinnerRegistry.h"
#include "skin/controls/TSkinControl.h"
#include "skin/values/SkinMarks.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

// A scroll area routes its viewport's events through a filter of its own, which a skinner in
// front of it would cut off; the viewport gets no skinner, the widgets inside it do.
bool IsViewport(const QWidget* widget) {
    const auto* area = qobject_cast<const QAbstractScrollArea*>(widget->parentWidget());
    return area && area->viewport() == widget;
}

// The editors inside combo and spin boxes are parts of those controls.
bool IsCompoundPart(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent);
}

bool IsEmbeddedForm(const QWidget* widget) {
    return qobject_cast<const QMainWindow*>(widget) || qobject_cast<const QDialog*>(widget);
}

}  // namespace

ControlSkinning::ControlSkinning(SkinnerHost& window, const SkinnerRegistry& registry)
    : window_(window), registry_(registry) {}

ControlSkinning::~ControlSkinning() { UnskinChildren(); }

QStringList& ControlSkinning::ExcludedClassNames() {
    static QStringList names;
    return names;
}

void ControlSkinning::SkinChildren(QWidget* root) {
    if (!root) return;
    Pack();
    for (QObject* child : root->children()) {
        if (child->isWidgetType()) SkinControl(static_cast<QWidget*>(child));
    }
}

void ControlSkinning::SkinControl(QWidget* control) {
    if (!control || control->isWindow() || !control->parentWidget()) return;
    if (window_.Skin().HasDisabledTag(control)) return;
    if (IsSkinned(control) || IsSkinInternal(control) || IsCompoundPart(control)) return;
    if (ExcludedClassNames().contains(QString::fromLatin1(control->metaObject()->className())))
        return;
    if (IsEmbeddedForm(control)) {
        if (control->objectName().isEmpty()) return;
        ColourEmbeddedForm(control);
    } else if (!IsViewport(control) && !Attach(control)) {
        return;
    }
    for (QObject* child : control->children()) {
        if (child->isWidgetType()) SkinControl(static_cast<QWidget*>(child));
    }
}

// False when the skinner keeps the control's children to itself, or failed to come about.
bool ControlSkinning::Attach(QWidget* control) {
    std::unique_ptr<TSkinControl> skinner;
    try {
        skinner = registry_.FindSkinner(control, window_);
        if (!skinner) return true;
        skinner->Attach();
        skinner->ApplySkin();
    } catch (...) {
        return false;  // the control and what it holds keep their own look
    }
    // Only a skin shows the parent's colour: with the skin off the control keeps its own.
    if (skinner->WantsParentColor() && window_.Skin().IsSkinning()) {
        skinner->InheritParentColor();
    }
    const bool ownChildren = skinner->SkinsOwnChildren();
    skinners_.push_back(std::move(skinner));
    return !ownChildren;
}

void ControlSkinning::ColourEmbeddedForm(QWidget* form) {
    embeddedForms_.emplace_back(form);
    if (window_.Skin().IsSkinning()) {
        embeddedForms_.back().SetColor(QPalette::Window,
                                       ToQColor(window_.Skin().Metrics().FormColor));
    }
}

void ControlSkinning::ApplySkinState() {
    Pack();
    for (auto& skinner : skinners_) {
        try {
            skinner->ApplySkin();
            if (QWidget* control = skinner->Control()) control->update();
        } catch (...) {
        }
    }
    const SkinValues& skin = window_.Skin();
    for (WidgetLook& form : embeddedForms_) {
        if (skin.IsSkinning() && window_.Skinned()) {
            form.SetColor(QPalette::Window, ToQColor(skin.Metrics().FormColor));
        } else {
            form.Restore();
        }
    }
}

void ControlSkinning::UnskinChildren() {
    while (!skinners_.empty()) {
        std::unique_ptr<TSkinControl> skinner = std::move(skinners_.front());
        skinners_.erase(skinners_.begin());
        skinner->Detach();
        skinner->Release();
    }
    for (WidgetLook& form : embeddedForms_) form.Restore();
    embeddedForms_.clear();
}

std::vector<TSkinControl*> ControlSkinning::Skinners() const {
    std::vector<TSkinControl*> list;
    for (const auto& skinner : skinners_) list.push_back(skinner.get());
    return list;
}

// Skinners whose controls are gone leave the list.
void ControlSkinning::Pack() {
    std::erase_if(skinners_, [](const auto& skinner) { return !skinner->Control(); });
}

}  // namespace skin
