#include "GalleryPages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace gallery {
namespace {

// The form's own look: its colour, labels and a few plain controls.
QWidget* FormPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QFormLayout(page);
    layout->addRow(new QLabel("The frame, the menu bar and the menus are the skin's.", page));
    layout->addRow("Name:", new QLineEdit("Vetrasol", page));
    layout->addRow("", new QCheckBox("Connect at start", page));
    return page;
}

}  // namespace

const std::vector<GalleryPage>& GalleryPages() {
    static const std::vector<GalleryPage> pages = {{"form", FormPage}};
    return pages;
}

}  // namespace gallery
