#pragma once

#include <QString>
#include <memory>

class QAction;
class QMenu;
class QPoint;

namespace skin {

class TSkinEngine;

// The menu skin windows open on their icon and on a right click in the caption: "Mi&nimize",
// "Ma&ximize/Restore", a separator and "&Close". Each item acts on the engine's system-menu
// owner and is enabled when that window shows the matching caption button.
class SkinSystemMenu {
public:
    explicit SkinSystemMenu(TSkinEngine& engine);
    ~SkinSystemMenu();

    QMenu* Menu() const { return menu_.get(); }
    void SetCaptions(const QString& minimize, const QString& maximize, const QString& close);

private:
    void EnableForOwner();

    TSkinEngine& engine_;
    std::unique_ptr<QMenu> menu_;
    QAction* minimize_ = nullptr;
    QAction* maximize_ = nullptr;
    QAction* close_ = nullptr;
};

}  // namespace skin
