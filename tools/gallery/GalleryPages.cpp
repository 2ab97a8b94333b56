#include "GalleryPages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace gallery {
namespace {

std::vector<GalleryPage>& Registered() {
    static std::vector<GalleryPage> pages;
    return pages;
}

// The form's own look: its colour, labels and a few plain controls.
QWidget* FormPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QFormLayout(page);
    layout->addRow(new QLabel("The frame, the menu bar and the menus are the skin's.", page));
    layout->addRow("Name:", new QLineEdit("Vetrasol", page));
    layout->addRow("", new QCheckBox("Connect at start", page));
    return page;
}

const PageRegistration kFormPage{{"form", FormPage, 0}};

}  // namespace

PageRegistration::PageRegistration(GalleryPage page) { Registered().push_back(std::move(page)); }

std::vector<GalleryPage> GalleryPages() {
    std::vector<GalleryPage> pages = Registered();
    std::stable_sort(pages.begin(), pages.end(), [](const GalleryPage& a, const GalleryPage& b) {
        return a.Order != b.Order ? a.Order < b.Order : a.Name < b.Name;
    });
    return pages;
}

}  // namespace gallery
