#include <QDir>
#include <stdexcept>

#include "Commands.h"
#include "ElementList.h"
#include "Files.h"
#include "skin/data/Bitmap.h"
#include "skin/data/ContainerWriter.h"
#include "skin/data/Sk2Archive.h"

namespace skintool {
namespace {

// A listed bitmap names a file in the folder itself, never a path out of it.
QByteArray BitmapData(const QDir& dir, const ListedElement& listed) {
    const QString file = QString::fromLocal8Bit(listed.Value);
    if (file.isEmpty() || file.startsWith('.') || file.contains('/')) {
        throw std::runtime_error("bad bitmap file name \"" + listed.Value.toStdString() + '"');
    }
    QByteArray bmp = ReadFile(dir.filePath(file));
    if (!skin::Bitmap::FromBmp(bmp)) {
        throw std::runtime_error(file.toStdString() + " is not a valid BMP picture");
    }
    return bmp;
}

}  // namespace

void RunPack(const QString& folder, const QString& output, const QByteArray& password) {
    const QDir dir(folder);
    skin::SkinElements elements;
    for (const ListedElement& listed : ParseElementList(ReadFile(dir.filePath(kElementListFile)))) {
        elements.push_back(listed.Kind == skin::ekBitmap
                               ? skin::SkinElement::Bitmap(listed.Name, BitmapData(dir, listed))
                               : ValueElement(listed));
    }
    const QByteArray container =
        skin::WriteSkinContainer(skin::WriteSk2Archive(elements), password);
    WriteFile(output, container);
    std::printf("%zu elements packed into %s (%lld bytes%s)\n", elements.size(), qPrintable(output),
                qlonglong(container.size()), password.isEmpty() ? "" : ", enciphered");
}

}  // namespace skintool
