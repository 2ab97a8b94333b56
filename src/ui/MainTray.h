#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <optional>

namespace plivant {

class TMainForm1;

// The notification-area icon tiMain and its menu PopupMenu1. The main window hides in the tray
// whenever it is minimised (Ctrl+T minimises it too); a click on the icon or "Показать" brings
// it back, "Выход" closes it (which ends the program). Answers the main window's IsInTray.
class MainTray : public QObject {
public:
    explicit MainTray(TMainForm1& mainWindow, QObject* parent = nullptr);

    void HideToTray();
    void RestoreFromTray();
    // Brings the window to the front, un-minimised, leaving the icon as it is.
    void ShowWindow();
    // True exactly while the icon is shown.
    bool IsInTray() const { return tiMain_.isVisible(); }
    // The icon's picture and tooltip follow the feed: a feed that is not live shows the icon
    // greyed with a red mark.
    void ShowFeedHealth(bool live, const QString& text);
    bool ShowsFeedDown() const { return feedDown_; }

    QSystemTrayIcon& tiMain() { return tiMain_; }
    QMenu& PopupMenu1() { return popupMenu1_; }

    // Whether a notification area runs; tests stand in for one.
    std::function<bool()> TrayAvailable = &QSystemTrayIcon::isSystemTrayAvailable;
    // Shows an error to the user; a message box unless replaced.
    std::function<void(const QString&)> ShowError;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenu();
    void BringBackDialogs();
    void ShowIcon();
    void Unminimise();
    void tiMainClick(QSystemTrayIcon::ActivationReason reason);

    TMainForm1& window_;
    QSystemTrayIcon tiMain_;
    QMenu popupMenu1_;
    bool feedDown_ = false;
    std::optional<bool> iconDown_;  // what the icon's picture shows, once set
    QIcon downIcon_;
};

}  // namespace plivant
