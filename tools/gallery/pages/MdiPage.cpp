// The "mdi" page: an MDI area with three children, each with a menu of its own that the skinned
// form shows on its menu bar while the child is active, and a "Window" menu on the form's menu
// bar to cascade and tile them, where the skin lists the children.
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "GalleryPages.h"
#include "resources/Images.h"
#include "skin/windows/MdiMenus.h"

namespace gallery {
namespace {

namespace img = plivant::images;

QMenu* MakeWindowMenu(QMdiArea* area, QMainWindow* form) {
    QMenu* menu = form->menuBar()->addMenu("W&indow");
    menu->addAction("&Cascade", area, [area] { skin::CascadeChildren(area); });
    menu->addAction("Tile &horizontally", area, [area] { skin::TileChildren(area, true); });
    menu->addAction("Tile &vertically", area, [area] { skin::TileChildren(area, false); });
    skin::SetWindowMenu(form, menu);
    return menu;
}

// The child's menu: its own "Document" menu, and the form's window menu.
void GiveMenu(QMdiSubWindow* child, QPlainTextEdit* editor, QMenu* windowMenu) {
    auto* menu = new QMenu(editor);
    QMenu* document = menu->addMenu("&Document");
    document->addAction(img::MenuImage(img::kGlobeRefreshImage), "&Clear", editor,
                        &QPlainTextEdit::clear);
    document->addSeparator();
    document->addAction(img::MenuImage(img::kPowerImage), "C&lose", child, &QWidget::close);
    if (windowMenu) menu->addMenu(windowMenu);
    skin::SetMdiChildMenu(child, menu);
}

}  // namespace

QWidget* MakeMdiPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* area = new QMdiArea(page);
    area->setMinimumSize(520, 320);
    layout->addWidget(area);
    auto* form = qobject_cast<QMainWindow*>(parent->window());
    QMenu* windowMenu = form ? MakeWindowMenu(area, form) : nullptr;
    const int images[] = {img::kInfoImage, img::kGearImage, img::kStopImage};
    for (int i = 0; i < 3; ++i) {
        auto* editor = new QPlainTextEdit(QString("The text of document %1.").arg(i + 1));
        QMdiSubWindow* child = area->addSubWindow(editor);
        child->setWindowTitle(QString("Document %1").arg(i + 1));
        child->setWindowIcon(img::MenuImage(images[i]));
        // The third child cannot be minimised: its frame and control buttons show no minimise.
        if (i == 2) child->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
        child->setGeometry(30 * i, 30 * i, 260, 150);
        GiveMenu(child, editor, windowMenu);
    }
    return page;
}

}  // namespace gallery
