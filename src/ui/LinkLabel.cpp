#include "ui/LinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace plivant {

LinkLabel::LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
    : QLabel(text, parent), onClick_(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick_) {
        onClick_();
    }
    QLabel::mouseReleaseEvent(event);
}

void OpenAddress(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

}  // namespace plivant
