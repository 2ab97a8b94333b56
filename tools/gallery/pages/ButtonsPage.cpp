// The "buttons" page: push buttons and tool buttons in each state that can be set; hover and
// press are seen by moving the mouse over them.
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "GalleryPages.h"
#include "resources/Images.h"

namespace gallery {
namespace {

namespace img = plivant::images;

QPushButton* Push(QWidget* page, const QString& text) {
    auto* button = new QPushButton(text, page);
    button->setMinimumWidth(90);
    return button;
}

QToolButton* Tool(QWidget* page, const QString& text, int image) {
    auto* button = new QToolButton(page);
    button->setText(text);
    button->setIcon(QIcon(img::MenuImage(image)));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setMinimumSize(80, 26);
    return button;
}

}  // namespace

QWidget* MakeButtonsPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel("Push buttons:", page), 0, 0);
    grid->addWidget(Push(page, "&Normal"), 0, 1);
    QPushButton* byDefault = Push(page, "&Default");
    byDefault->setDefault(true);
    grid->addWidget(byDefault, 0, 2);
    QPushButton* disabled = Push(page, "Disabled");
    disabled->setEnabled(false);
    grid->addWidget(disabled, 0, 3);
    QPushButton* icon = Push(page, "&Refresh");
    icon->setIcon(QIcon(img::MenuImage(img::kGlobeRefreshImage)));
    grid->addWidget(icon, 0, 4);

    grid->addWidget(new QLabel("Tool buttons:", page), 1, 0);
    grid->addWidget(Tool(page, "Tool", img::kGearImage), 1, 1);
    QToolButton* checked = Tool(page, "Checked", img::kInfoImage);
    checked->setCheckable(true);
    checked->setChecked(true);
    grid->addWidget(checked, 1, 2);
    QToolButton* off = Tool(page, "Disabled", img::kStopImage);
    off->setEnabled(false);
    grid->addWidget(off, 1, 3);
    QToolButton* dropDown = Tool(page, "Menu", img::kArrowDownLeftImage);
    auto* menu = new QMenu(dropDown);
    menu->addAction("First");
    menu->addAction("Second");
    dropDown->setMenu(menu);
    dropDown->setPopupMode(QToolButton::MenuButtonPopup);
    grid->addWidget(dropDown, 1, 4);

    grid->addWidget(new QLabel("Hot and pressed looks show under the mouse.", page), 2, 0, 1, 5);
    grid->setRowStretch(3, 1);
    return page;
}

}  // namespace gallery
