#include "skin/controls/WidgetLook.h"

#include <algorithm>

namespace skin {

bool WidgetLook::IsSaved() const { return palette_ || autoFill_ || style_ || !attributes_.empty(); }

void WidgetLook::SavePalette() {
    if (!palette_ && widget_) {
        palette_ = SavedPalette{widget_->palette(), widget_->testAttribute(Qt::WA_SetPalette)};
    }
}

void WidgetLook::SetColor(QPalette::ColorRole role, const QColor& colour) {
    if (!widget_) return;
    SavePalette();
    QPalette palette = widget_->palette();
    palette.setColor(role, colour);
    widget_->setPalette(palette);
}

void WidgetLook::InheritColor(QPalette::ColorRole role) {
    if (!widget_ || !widget_->testAttribute(Qt::WA_SetPalette)) return;
    SavePalette();
    // A palette that leaves the role unset takes it from the parent.
    const QPalette own = widget_->palette();
    QPalette kept;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto each = QPalette::ColorRole(r);
            if (each != role && own.isBrushSet(group, each)) {
                kept.setBrush(group, each, own.brush(group, each));
            }
        }
    }
    widget_->setPalette(kept);
}

void WidgetLook::SetAutoFillBackground(bool on) {
    if (!widget_) return;
    if (!autoFill_) autoFill_ = widget_->autoFillBackground();
    widget_->setAutoFillBackground(on);
}

void WidgetLook::SetStyle(QStyle* style) {
    if (!widget_) return;
    if (!style_) {
        style_ = SavedStyle{widget_->testAttribute(Qt::WA_SetStyle) ? widget_->style() : nullptr};
    }
    widget_->setStyle(style);
}

void WidgetLook::SetAttribute(Qt::WidgetAttribute attribute, bool on) {
    if (!widget_) return;
    const bool saved = std::any_of(attributes_.begin(), attributes_.end(),
                                   [&](const auto& a) { return a.first == attribute; });
    if (!saved) attributes_.emplace_back(attribute, widget_->testAttribute(attribute));
    widget_->setAttribute(attribute, on);
}

void WidgetLook::Restore() {
    if (widget_) {
        for (auto it = attributes_.rbegin(); it != attributes_.rend(); ++it) {
            widget_->setAttribute(it->first, it->second);
        }
        if (style_) widget_->setStyle(style_->Style.data());
        if (autoFill_) widget_->setAutoFillBackground(*autoFill_);
        if (palette_) widget_->setPalette(palette_->Own ? palette_->Palette : QPalette());
    }
    attributes_.clear();
    style_.reset();
    autoFill_.reset();
    palette_.reset();
}

}  // namespace skin
