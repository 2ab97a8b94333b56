#include "Screenshot.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace gallery {
namespace {

constexpr int kSettleMs = 400;  // painted and, with a window manager, placed
constexpr int kPollMs = 100;

QWidget* FrontWindow(QWidget* form) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : form;
}

}  // namespace

bool SaveScreenshot(QWidget* window, const QString& path) {
    QPixmap shot;
    const QRect area = window->frameGeometry();
    if (QScreen* screen = window->screen()) {
        shot = screen->grabWindow(0, area.x() - screen->geometry().x(),
                                  area.y() - screen->geometry().y(), area.width(), area.height());
    }
    // The screen's pixels: on a scaled screen more of them than the window's logical size.
    if (shot.isNull() || shot.deviceIndependentSize().toSize() != area.size())
        shot = window->grab();
    return !shot.isNull() && shot.save(path, "PNG");
}

void ScreenshotWhenShown(QWidget* form, const QString& path) {
    auto* poll = new QTimer(form);
    poll->setInterval(kPollMs);
    QObject::connect(poll, &QTimer::timeout, form, [form, path, poll] {
        QWidget* front = FrontWindow(form);
        if (!front->isVisible() || !front->windowHandle() || !front->windowHandle()->isExposed())
            return;
        poll->stop();
        QTimer::singleShot(kSettleMs, form, [form, path] {
            const bool saved = SaveScreenshot(FrontWindow(form), path);
            if (!saved) std::fprintf(stderr, "could not save %s\n", qPrintable(path));
            std::fflush(stdout);
            QApplication::exit(saved ? 0 : 1);
        });
    });
    poll->start();
}

}  // namespace gallery
