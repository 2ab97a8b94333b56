#include <QFont>
#include <QPainter>

#include "ArtCatalog.h"
#include "Artwork.h"
#include "Preview.h"

namespace skin::artwork::preview {

QFont PreviewFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    return font;
}

Bitmap SkinBitmap(const QString& name) {
    const ArtElement* element = FindElement(name);
    Bitmap bitmap(element ? DrawElement(name, element->Size) : QImage());
    bitmap.SetTransparentColor(kTransColor);
    return bitmap;
}

QImage ElementSheet(int zoom) {
    constexpr int kWidth = 1500, kMargin = 16, kLabel = 18;
    QImage sheet(kWidth, 2000, QImage::Format_RGB32);
    sheet.fill(QColor(60, 64, 72));
    QPainter painter(&sheet);
    painter.setFont(PreviewFont());
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (const ArtElement& element : Catalog()) {
        const QImage picture = DrawElement(element.Name, element.Size);
        const QSize shown = element.Size * zoom;
        const int width = std::max(shown.width(), 150);
        if (x + width > kWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        painter.setPen(Qt::white);
        painter.drawText(x, y + 12,
                         QString("%1 %2x%3")
                             .arg(element.Name.mid(6))
                             .arg(element.Size.width())
                             .arg(element.Size.height()));
        painter.drawImage(QRect(QPoint(x, y + kLabel), shown), picture);
        x += width + kMargin;
        rowHeight = std::max(rowHeight, shown.height() + kLabel);
    }
    painter.end();
    return sheet.copy(0, 0, kWidth, y + rowHeight + kMargin);
}

}  // namespace skin::artwork::preview
