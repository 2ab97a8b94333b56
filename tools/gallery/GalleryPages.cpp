#include "GalleryPages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace gallery {

// The form's own look: its colour, labels and a few plain controls.
QWidget* MakeFormPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QFormLayout(page);
    layout->addRow(new QLabel("The frame, the menu bar and the menus are the skin's.", page));
    layout->addRow("Name:", new QLineEdit("Vetrasol", page));
    layout->addRow("", new QCheckBox("Connect at start", page));
    return page;
}

const std::vector<GalleryPage>& GalleryPages() {
    static const std::vector<GalleryPage> pages = {
        {"form", MakeFormPage},       {"buttons", MakeButtonsPage},   {"checks", MakeChecksPage},
        {"bars", MakeBarsPage},       {"boxes", MakeBoxesPage},       {"edits", MakeEditsPage},
        {"lists", MakeListsPage},     {"combos", MakeCombosPage},     {"tabs", MakeTabsPage},
        {"sliders", MakeSlidersPage}, {"progress", MakeProgressPage}, {"mdi", MakeMdiPage},
    };
    return pages;
}

}  // namespace gallery
