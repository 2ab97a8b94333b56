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
};

// The pages in the order the form shows them; control families add theirs here.
const std::vector<GalleryPage>& GalleryPages();

}  // namespace gallery
