// The "tabs" page: a tab widget with its tabs on each side of the page, images on some tabs and
// a disabled tab.
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>

#include "GalleryPages.h"
#include "resources/Images.h"

namespace gallery {
namespace {

namespace img = plivant::images;

QWidget* MakeTabs(QTabWidget::TabPosition position, const QString& side, QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setTabPosition(position);
    const bool across = position == QTabWidget::West || position == QTabWidget::East;
    tabs->setMinimumSize(300, across ? 290 : 150);
    tabs->addTab(new QLabel(QString("Tabs on the %1.").arg(side)), img::MenuImage(img::kInfoImage),
                 "&General");
    tabs->addTab(new QLabel("The servers."), "&Servers");
    tabs->addTab(new QLabel("The news."), img::MenuImage(img::kGlobeRefreshImage), "&News");
    const int disabled = tabs->addTab(new QLabel("Never shown."), "&Off");
    tabs->setTabEnabled(disabled, false);
    tabs->setCurrentIndex(position == QTabWidget::North ? 0 : 1);
    return tabs;
}

}  // namespace

QWidget* MakeTabsPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* grid = new QGridLayout(page);
    grid->addWidget(MakeTabs(QTabWidget::North, "top", page), 0, 0);
    grid->addWidget(MakeTabs(QTabWidget::South, "bottom", page), 0, 1);
    grid->addWidget(MakeTabs(QTabWidget::West, "left", page), 1, 0);
    grid->addWidget(MakeTabs(QTabWidget::East, "right", page), 1, 1);
    return page;
}

}  // namespace gallery
