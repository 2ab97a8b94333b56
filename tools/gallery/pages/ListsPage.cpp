// Lists, a tree with a column header, a table and scroll bars standing on their own.
#include <QGridLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "../GalleryPages.h"

namespace gallery {
namespace {

constexpr QSize kPageSize{640, 330};

QListWidget* List(int items, QWidget* parent) {
    auto* list = new QListWidget(parent);
    for (int i = 1; i <= items; ++i) list->addItem(QString("Item %1").arg(i));
    return list;
}

QTreeWidget* Tree(QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderLabels({"Time", "Headline", "Flags"});
    tree->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    tree->headerItem()->setTextAlignment(2, Qt::AlignRight);
    for (int i = 0; i < 4; ++i) {
        auto* item = new QTreeWidgetItem(tree, {QString("10:0%1").arg(i), "Gold steady", "1"});
        new QTreeWidgetItem(item, {"", "Details", ""});
    }
    tree->expandAll();
    return tree;
}

QTableWidget* Table(QWidget* parent) {
    auto* table = new QTableWidget(12, 6, parent);
    for (int r = 0; r < 12; ++r) {
        for (int c = 0; c < 6; ++c)
            table->setItem(r, c, new QTableWidgetItem(QString("R%1 C%2").arg(r + 1).arg(c + 1)));
    }
    return table;
}

QScrollBar* Bar(Qt::Orientation orientation, bool enabled, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setRange(0, 100);
    bar->setPageStep(20);
    bar->setValue(30);
    bar->setEnabled(enabled);
    return bar;
}

}  // namespace

QWidget* MakeListsPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setMinimumSize(kPageSize);
    auto* grid = new QGridLayout(page);
    grid->addWidget(List(3, page), 0, 0);
    grid->addWidget(List(30, page), 0, 1);
    grid->addWidget(Tree(page), 0, 2);
    grid->addWidget(Table(page), 1, 0, 1, 2);
    auto* bars = new QVBoxLayout;
    bars->addWidget(Bar(Qt::Horizontal, true, page));
    bars->addWidget(Bar(Qt::Horizontal, false, page));
    bars->addStretch();
    grid->addLayout(bars, 1, 2);
    grid->addWidget(Bar(Qt::Vertical, true, page), 0, 3, 2, 1);
    grid->addWidget(Bar(Qt::Vertical, false, page), 0, 4, 2, 1);
    return page;
}

}  // namespace gallery
