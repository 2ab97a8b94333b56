#include <stdexcept>

#include "Commands.h"
#include "ContactSheet.h"
#include "SkinSource.h"

namespace skintool {

void RunSheet(const QString& source, const QString& output, const QByteArray& password) {
    const skin::SkinElements elements = LoadElements(source, password);
    std::vector<SheetTile> tiles;
    for (const skin::SkinElement& element : elements) {
        if (element.Kind != skin::ekBitmap) continue;
        skin::Bitmap picture = *skin::Bitmap::FromBmp(element.Data);
        const QString label = QStringLiteral("%1  %2x%3")
                                  .arg(QString::fromLatin1(element.Name))
                                  .arg(picture.Width())
                                  .arg(picture.Height());
        tiles.push_back({label, std::move(picture)});
    }
    if (!RenderContactSheet(tiles, TransparentColour(elements)).save(output, "PNG")) {
        throw std::runtime_error("cannot write " + output.toStdString());
    }
    std::printf("%zu bitmaps drawn into %s\n", tiles.size(), qPrintable(output));
}

}  // namespace skintool
