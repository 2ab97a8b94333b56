#include "ContactSheet.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace skintool {
namespace {

constexpr int kSheetWidth = 1100;
constexpr int kGap = 16;
constexpr int kCheck = 6;
const QColor kCheckLight(0xEE, 0xEE, 0xEE);
const QColor kCheckDark(0xC8, 0xC8, 0xC8);

int Scale(const skin::Bitmap& picture) {
    const int side = std::max(picture.Width(), picture.Height());
    return side <= 12 ? 8 : side <= 24 ? 6 : 3;
}

// The picture enlarged, with its transparent colour made see-through.
QImage Enlarged(const skin::Bitmap& picture, skin::ColorRef transparent) {
    QImage image = picture.Image().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = skin::ToQColor(transparent).rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key) line[x] = 0;
        }
    }
    const int scale = Scale(picture);
    return image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

struct Placed {
    QImage Image;
    QString Label;
    QRect Box;  // picture and label
};

// Flows the tiles into rows no wider than the sheet (or than the widest tile).
std::vector<Placed> Layout(const std::vector<SheetTile>& tiles, skin::ColorRef transparent,
                           const QFontMetrics& metrics, QSize& sheetSize) {
    std::vector<Placed> placed;
    int x = kGap, y = kGap, rowHeight = 0, width = kSheetWidth;
    for (const SheetTile& tile : tiles) {
        QImage image = Enlarged(tile.Picture, transparent);
        const QSize box(std::max(image.width(), metrics.horizontalAdvance(tile.Label)),
                        image.height() + metrics.height() + 4);
        width = std::max(width, box.width() + 2 * kGap);
        if (x > kGap && x + box.width() + kGap > width) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({std::move(image), tile.Label, QRect(QPoint(x, y), box)});
        x += box.width() + kGap;
        rowHeight = std::max(rowHeight, box.height());
    }
    sheetSize = QSize(width, y + rowHeight + kGap);
    return placed;
}

void FillChecks(QPainter& p, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); y += kCheck) {
        for (int x = area.left(); x <= area.right(); x += kCheck) {
            const bool dark = ((x - area.left()) / kCheck + (y - area.top()) / kCheck) % 2;
            p.fillRect(QRect(x, y, kCheck, kCheck) & area, dark ? kCheckDark : kCheckLight);
        }
    }
}

}  // namespace

QImage RenderContactSheet(const std::vector<SheetTile>& tiles, skin::ColorRef transparent) {
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter measure(&probe);
    const QFontMetrics metrics = measure.fontMetrics();
    measure.end();

    QSize size;
    const std::vector<Placed> placed = Layout(tiles, transparent, metrics, size);
    QImage sheet(size, QImage::Format_RGB32);
    QPainter p(&sheet);
    FillChecks(p, sheet.rect());
    for (const Placed& tile : placed) {
        p.drawImage(tile.Box.topLeft(), tile.Image);
        const QRect label(tile.Box.left(), tile.Box.top() + tile.Image.height() + 2,
                          tile.Box.width(), metrics.height());
        p.fillRect(label, Qt::white);
        p.setPen(Qt::black);
        p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, tile.Label);
    }
    return sheet;
}

}  // namespace skintool
