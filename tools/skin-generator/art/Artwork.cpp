#include "Artwork.h"

#include "ArtCatalog.h"
#include "ArtPalette.h"

namespace skin::artwork {

// An unknown name or an empty size gives a null image.
QImage DrawElement(const QString& name, QSize size) {
    const ArtElement* element = FindElement(name);
    if (!element || size.isEmpty()) return QImage();
    QImage image(size, QImage::Format_RGB32);
    image.fill(palette::kForm);
    element->Paint(image);
    return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace skin::artwork
