#include "ui/LinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "ui/Accessibility.h"

namespace plivant {

namespace {

QAccessibleInterface* LinkAccessible(LinkLabel* link) {
    return new RoleAccessible(
        link, QAccessible::Link, [link] { return link->text(); }, [link] { link->Click(); });
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
    : QLabel(parent), onClick_(std::move(onClick)) {
    // Before any text: setting one tells assistive technology, which would then describe the
    // widget as the plain label it still is.
    InstallAccessible(&LinkAccessible);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setText(text);
}

void LinkLabel::Click() {
    if (onClick_) onClick_();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
    QLabel::mouseReleaseEvent(event);
}

void OpenAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

}  // namespace plivant
