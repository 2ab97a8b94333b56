// The "bars" page: tool bars with captions beside and under their images, a checked button and a
// drop-down button, and a status bar with panels and a size grip.
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "GalleryPages.h"
#include "resources/Images.h"

namespace gallery {
namespace {

namespace img = plivant::images;

QToolBar* ToolBar(QWidget* page, Qt::ToolButtonStyle style) {
    auto* bar = new QToolBar(page);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(style);
    bar->addAction(QIcon(img::MenuImage(img::kGlobeRefreshImage)), "Refresh");
    QAction* grid = bar->addAction(QIcon(img::MenuImage(img::kInfoImage)), "Info");
    grid->setCheckable(true);
    grid->setChecked(true);
    bar->addSeparator();
    QAction* more = bar->addAction(QIcon(img::MenuImage(img::kGearImage)), "Settings");
    auto* menu = new QMenu(bar);
    menu->addAction("Servers...");
    menu->addAction("Language...");
    more->setMenu(menu);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(more))) {
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    QAction* stop = bar->addAction(QIcon(img::MenuImage(img::kStopImage)), "Stop");
    stop->setEnabled(false);
    return bar;
}

QStatusBar* StatusBar(QWidget* page) {
    auto* bar = new QStatusBar(page);
    for (const char* text : {"MSK: 12:00", "GMT: 09:00", "News: 100"}) {
        auto* panel = new QLabel(text, bar);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
    }
    bar->addWidget(new QLabel("Connected", bar), 1);
    return bar;
}

}  // namespace

QWidget* MakeBarsPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Captions beside the images:", page));
    layout->addWidget(ToolBar(page, Qt::ToolButtonTextBesideIcon));
    layout->addWidget(new QLabel("Captions under the images:", page));
    layout->addWidget(ToolBar(page, Qt::ToolButtonTextUnderIcon));
    layout->addStretch(1);
    layout->addWidget(StatusBar(page));
    return page;
}

}  // namespace gallery
