#pragma once

#include <QPointer>
#include <QStyle>
#include <memory>

#include "skin/controls/WidgetLook.h"

class QWidget;

namespace skin {

// A fresh instance of the style the widget wears now, to stand under a skin's proxy style (a
// proxy owns its base, so the application's own style cannot be it); none when the style cannot
// be made by name, and the proxy then takes the platform's default.
QStyle* NewBaseStyle(const QWidget* widget);

// Marks a widget as a part its skinner drives (an inner scroll bar, a header), so that the walk
// over the window's controls gives it no skinner of its own; off takes the mark away.
void MarkAsPart(QWidget* widget, bool on);

// One widget wearing a skin style while the engine skins: the style is put on with Wear(true)
// and the widget's own put back with Wear(false) or on destruction. The style lives as long as
// this object. A part of a control keeps the part's mark as long, too.
class StyledWidget {
public:
    StyledWidget(QWidget* widget, std::unique_ptr<QStyle> style, bool part = false);
    ~StyledWidget();
    StyledWidget(const StyledWidget&) = delete;
    StyledWidget& operator=(const StyledWidget&) = delete;

    QWidget* Widget() const { return look_.Widget(); }
    QStyle* Style() const { return style_.get(); }
    // For changes beside the style, put back with it.
    WidgetLook& Look() { return look_; }
    void Wear(bool on);
    bool Worn() const;

private:
    std::unique_ptr<QStyle> style_;
    WidgetLook look_;  // restored before the style goes
    bool part_;
};

}  // namespace skin
