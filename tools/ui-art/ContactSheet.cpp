#include "ContactSheet.h"

#include <QDir>
#include <QFont>
#include <QPainter>

#include "ArtKit.h"

namespace plivant::art {

namespace {

const QColor kLightGrey(0xEF, 0xEF, 0xEF);
const QColor kLightBlue(218, 228, 246);
const QColor kSelection(0x30, 0x6E, 0xD0);

QFont LabelFont() {
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    return font;
}

void PaintChecker(QPainter& painter, const QRect& area, int cell) {
    for (int y = area.top(); y <= area.bottom(); y += cell) {
        for (int x = area.left(); x <= area.right(); x += cell) {
            const bool dark = ((x - area.left()) / cell + (y - area.top()) / cell) % 2;
            painter.fillRect(QRect(x, y, cell, cell).intersected(area),
                             dark ? QColor(0xCC, 0xCC, 0xCC) : QColor(0xFF, 0xFF, 0xFF));
        }
    }
}

// Each image enlarged `zoom` times without smoothing, over a checker board that shows alpha.
QImage ZoomSheet(const QVector<NamedImage>& items, int zoom) {
    int width = 10, height = 0;
    for (const auto& item : items) {
        width += item.image.width() * zoom + 10;
        height = qMax(height, item.image.height() * zoom);
    }
    QImage sheet(width, height + 30, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setFont(LabelFont());
    int x = 10;
    for (const auto& item : items) {
        const QRect target(x, 24, item.image.width() * zoom, item.image.height() * zoom);
        PaintChecker(painter, target, zoom);
        painter.drawImage(target, item.image);
        painter.setPen(Qt::black);
        painter.drawText(x, 16, item.name);
        x += target.width() + 10;
    }
    return sheet;
}

// All pictures at real size, one band on light grey and one on light blue.
QImage RealSizeSheet(const QVector<NamedImage>& items) {
    int width = 10, height = 0;
    for (const auto& item : items) {
        width += item.image.width() + 12;
        height = qMax(height, item.image.height());
    }
    const int band = height + 20;
    QImage sheet(width, 2 * band, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&sheet);
    const QColor grounds[] = {kLightGrey, kLightBlue};
    for (int b = 0; b < 2; ++b) {
        painter.fillRect(0, b * band, width, band, grounds[b]);
        int x = 10;
        for (const auto& item : items) {
            painter.drawImage(x, b * band + 10, item.image);
            x += item.image.width() + 12;
        }
    }
    return sheet;
}

struct MenuRow {
    int image;  // -1: separator
    QString text;
    QString shortcut;
};

const QVector<MenuRow>& PreviewRows() {
    static const QVector<MenuRow> rows{{6, "Обновить новости", "F5"},
                                       {-1, {}, {}},
                                       {4, "Убрать в трей", "Ctrl+T"},
                                       {2, "Настройки", "Ctrl+P"},
                                       {-1, {}, {}},
                                       {0, "Выход", "Ctrl+F4"},
                                       {-1, {}, {}},
                                       {1, "О программе", "F1"},
                                       {5, "Показать", {}},
                                       {3, "(не используется)", {}}};
    return rows;
}

// A drop-down menu as the program shows it; the first row is drawn selected.
void PaintMenu(QPainter& painter, const QPoint& origin, const QVector<QImage>& images) {
    constexpr int kWidth = 210, kRow = 22, kSeparator = 7;
    int height = 4;
    for (const auto& row : PreviewRows()) height += row.image < 0 ? kSeparator : kRow;
    painter.fillRect(QRect(origin, QSize(kWidth, height)), QColor(0xFB, 0xFB, 0xFB));
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    painter.drawRect(QRect(origin, QSize(kWidth - 1, height - 1)));
    int y = origin.y() + 2;
    for (const auto& row : PreviewRows()) {
        if (row.image < 0) {
            painter.setPen(QColor(0xD0, 0xD0, 0xD0));
            painter.drawLine(origin.x() + 28, y + 3, origin.x() + kWidth - 4, y + 3);
            y += kSeparator;
            continue;
        }
        const bool selected = row.image == PreviewRows().front().image;
        if (selected) painter.fillRect(origin.x() + 2, y, kWidth - 4, kRow, kSelection);
        painter.drawImage(origin.x() + 6, y + 3, images[row.image]);
        painter.setPen(selected ? Qt::white : Qt::black);
        const QRect text(origin.x() + 30, y, kWidth - 40, kRow);
        painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, row.text);
        painter.drawText(text, Qt::AlignVCenter | Qt::AlignRight, row.shortcut);
        y += kRow;
    }
}

QImage MenuPreview(const QVector<QImage>& images) {
    QImage sheet(470, 220, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    painter.setFont(font);
    painter.fillRect(0, 0, 235, 220, kLightGrey);
    painter.fillRect(235, 0, 235, 220, kLightBlue);
    PaintMenu(painter, QPoint(12, 4), images);
    PaintMenu(painter, QPoint(247, 4), images);
    return sheet;
}

}  // namespace

bool WriteContactSheets(const QVector<NamedImage>& icons, const QImage& logo,
                        const QVector<QImage>& menuImages, const QString& dir) {
    QDir().mkpath(dir);
    QVector<NamedImage> small;
    for (int i = 0; i < menuImages.size(); ++i)
        small.append({QString("menu-%1").arg(i), menuImages[i]});
    QVector<NamedImage> all = small;
    for (const auto& icon : icons) {
        if (icon.image.width() <= 32) small.append(icon);
        all.append(icon);
    }
    const QVector<NamedImage> logoOnly{{"logo", logo}};
    all += logoOnly;
    return ZoomSheet(small, 8).save(dir + "/sheet-zoom.png") &&
           ZoomSheet(logoOnly, 5).save(dir + "/sheet-logo-zoom.png") &&
           RealSizeSheet(all).save(dir + "/sheet-1x.png") &&
           MenuPreview(menuImages).save(dir + "/menu-preview.png");
}

}  // namespace plivant::art
