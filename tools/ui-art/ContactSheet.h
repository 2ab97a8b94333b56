// Review sheets: the pictures enlarged pixel for pixel, at real size on the panel colours the
// program uses, and the menu images beside their menu texts.
#pragma once

#include <QImage>
#include <QString>
#include <QVector>

namespace plivant::art {

struct NamedImage {
    QString name;
    QImage image;
};

// Writes sheet-zoom.png, sheet-logo-zoom.png, sheet-1x.png and menu-preview.png into `dir`.
bool WriteContactSheets(const QVector<NamedImage>& icons, const QImage& logo,
                        const QVector<QImage>& menuImages, const QString& dir);

}  // namespace plivant::art
