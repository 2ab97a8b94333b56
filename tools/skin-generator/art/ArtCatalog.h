#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace skin::artwork {

// One bitmap element of the built-in skin: its name, its size and the painter of its picture.
struct ArtElement {
    QString Name;
    QSize Size;
    void (*Paint)(QImage& image);
};

// The 28 bitmap elements, in the order of the skin's element vocabulary.
const std::vector<ArtElement>& Catalog();

// The element of that name, or nothing.
const ArtElement* FindElement(const QString& name);

}  // namespace skin::artwork
