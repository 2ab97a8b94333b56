#include "ui/MainTray.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include "core/VendorInfo.h"
#include "resources/Images.h"
#include "ui/TMainForm1.h"

namespace plivant {

namespace {
const char* kCannotCreateIcon = "Cannot create shell notification icon";

// A Wayland compositor tells a client nothing of its window being minimised, and takes no
// request to give a minimised window back.
bool NativeWayland() { return QGuiApplication::platformName().startsWith("wayland"); }
}  // namespace

MainTray::MainTray(TMainForm1& mainWindow, QObject* parent) : QObject(parent), window_(mainWindow) {
    tiMain_.setObjectName("tiMain");
    tiMain_.setIcon(window_.windowIcon());
    tiMain_.setToolTip(vendor::kTitle);
    BuildMenu();
    tiMain_.setContextMenu(&popupMenu1_);
    connect(&tiMain_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { tiMainClick(reason); });
    ShowError = [this](const QString& text) {
        QMessageBox::critical(&window_, vendor::kTitle, text);
    };
    window_.installEventFilter(this);
    mainWindow.IsInTray = [this] { return IsInTray(); };
}

void MainTray::BuildMenu() {
    popupMenu1_.setObjectName("PopupMenu1");
    QAction* show = popupMenu1_.addAction(images::MenuImage(images::kArrowUpLeftImage),
                                          QString::fromUtf8("Показать"));
    show->setObjectName("Show1");
    connect(show, &QAction::triggered, this, [this] { RestoreFromTray(); });
    popupMenu1_.addSeparator()->setObjectName("N5");
    QAction* exit =
        popupMenu1_.addAction(images::MenuImage(images::kPowerImage), QString::fromUtf8("Выход"));
    exit->setObjectName("Exit1");
    connect(exit, &QAction::triggered, this, [this] { window_.close(); });
}

bool MainTray::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowStateChange) {
        auto* change = static_cast<QWindowStateChangeEvent*>(event);
        bool minimised = window_.windowState() & Qt::WindowMinimized;
        if (minimised && !(change->oldState() & Qt::WindowMinimized)) {
            // Hidden once the minimise has run its course, not in the middle of it.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    // On Wayland the request is all there is to go on.
                    if (window_.isMinimized() || NativeWayland()) HideToTray();
                },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void MainTray::HideToTray() {
    if (!TrayAvailable()) {
        // Without a notification area the window stays on screen: hidden with no icon, the user
        // could never get it back.
        Unminimise();
        ShowError(kCannotCreateIcon);
        return;
    }
    window_.hide();
    ShowIcon();
    tiMain_.show();
}

void MainTray::RestoreFromTray() {
    tiMain_.hide();
    ShowWindow();
    BringBackDialogs();
    window_.repaint();
}

// A dialog that was open when the window went to the tray (settings, About, a message box)
// comes back on top of it and active, the modal one above all, as a window manager gives it.
void MainTray::BringBackDialogs() {
    QWidget* front = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!qobject_cast<QDialog*>(widget) || !widget->isVisible()) continue;
        widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
        widget->show();
        widget->raise();
        front = widget;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) front = modal;
    if (!front) return;
    front->raise();
    front->activateWindow();
}

void MainTray::ShowWindow() {
    Unminimise();
    window_.raise();
    window_.activateWindow();
}

void MainTray::ShowFeedHealth(bool live, const QString& text) {
    tiMain_.setToolTip(QString(vendor::kTitle) + "\n" + text);
    feedDown_ = !live;
    if (tiMain_.isVisible()) ShowIcon();
}

// The picture follows the feed only while the icon is shown: start-up need not draw the grey one.
void MainTray::ShowIcon() {
    if (iconDown_ == feedDown_) return;
    iconDown_ = feedDown_;
    if (feedDown_ && downIcon_.isNull()) downIcon_ = images::ProgramIconDown();
    tiMain_.setIcon(feedDown_ ? downIcon_ : window_.windowIcon());
}

void MainTray::Unminimise() {
    window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
    // On Wayland the window may be minimised unknown to us: it is shown anew, which a compositor
    // always maps.
    if (NativeWayland()) window_.hide();
    window_.show();
}

void MainTray::tiMainClick(QSystemTrayIcon::ActivationReason reason) {
    // The first click of a double-click has restored the window already.
    if (reason == QSystemTrayIcon::Trigger) RestoreFromTray();
}

}  // namespace plivant
