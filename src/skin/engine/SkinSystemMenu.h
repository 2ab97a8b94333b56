#pragma once

#include <QPointer>
#include <QString>
#include <memory>

class QAction;
class QMenu;

namespace skin {

class TSkinWindow;

// The menu skin windows open on their icon and on a right click in the caption: "Mi&nimize",
// "Ma&ximize/Restore", a separator and "&Close". Each item acts on the menu's owner, the window
// that opened it last, and is enabled when that window shows the matching caption button.
class SkinSystemMenu {
public:
    SkinSystemMenu();
    ~SkinSystemMenu();

    QMenu* Menu() const { return menu_.get(); }
    void SetCaptions(const QString& minimize, const QString& maximize, const QString& close);
    TSkinWindow* Owner() const;
    void SetOwner(TSkinWindow* owner);

private:
    void EnableForOwner();

    std::unique_ptr<QMenu> menu_;
    QPointer<TSkinWindow> owner_;
    QAction* minimize_ = nullptr;
    QAction* maximize_ = nullptr;
    QAction* close_ = nullptr;
};

}  // namespace skin
