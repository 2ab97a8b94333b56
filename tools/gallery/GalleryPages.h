#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace gallery {

// One page of the gallery's form: a set of controls to look at under the skin.
struct GalleryPage {
    QString Name;
    std::function<QWidget*(QWidget* parent)> Make;
    int Order = 0;  // pages are shown by this, then by name
};

// The pages in the order the form shows them.
std::vector<GalleryPage> GalleryPages();

// Each family's page file adds its pages with a static object of this type:
//   static const gallery::PageRegistration kButtons{{"buttons", MakeButtonsPage, 10}};
struct PageRegistration {
    explicit PageRegistration(GalleryPage page);
};

}  // namespace gallery
