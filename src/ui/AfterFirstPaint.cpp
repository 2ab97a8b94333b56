#include "ui/AfterFirstPaint.h"

#include <QEvent>
#include <QWidget>

namespace plivant {

AfterFirstPaint::AfterFirstPaint(QWidget& window, std::function<void()> work)
    : QObject(&window), window_(window), work_(std::move(work)) {
    window_.installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Paint && window_.isVisible()) {
        window_.removeEventFilter(this);
        // Queued: the paint and its copy to the screen finish first.
        QMetaObject::invokeMethod(
            this,
            [this] {
                auto work = std::move(work_);
                deleteLater();
                work();
            },
            Qt::QueuedConnection);
    }
    return false;
}

}  // namespace plivant
