#include "skin/controls/StyledWidget.h"

#include <QStyleFactory>
#include <QWidget>

#include "skin/values/SkinMarks.h"

namespace skin {

QStyle* NewBaseStyle(const QWidget* widget) {
    const QString name = widget ? widget->style()->name() : QString();
    return name.isEmpty() ? nullptr : QStyleFactory::create(name);
}

void MarkAsPart(QWidget* widget, bool on) {
    if (widget) widget->setProperty(kInternalProperty, on ? QVariant(true) : QVariant());
}

StyledWidget::StyledWidget(QWidget* widget, std::unique_ptr<QStyle> style, bool part)
    : style_(std::move(style)), look_(widget), part_(part) {
    if (part_) MarkAsPart(widget, true);
}

StyledWidget::~StyledWidget() {
    look_.Restore();
    if (part_) MarkAsPart(look_.Widget(), false);
}

void StyledWidget::Wear(bool on) {
    QWidget* widget = look_.Widget();
    if (!widget) return;
    if (!on) {
        look_.Restore();
    } else if (widget->style() != style_.get()) {
        look_.SetStyle(style_.get());
    }
}

bool StyledWidget::Worn() const {
    const QWidget* widget = look_.Widget();
    return widget && widget->style() == style_.get();
}

}  // namespace skin
