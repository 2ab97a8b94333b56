#include <QImage>
#include <cstdio>

#include "Commands.h"
#include "ElementList.h"
#include "SkinSource.h"
#include "skin/data/Bitmap.h"

namespace skintool {

void RunInfo(const QString& source, const QByteArray& password) {
    const skin::SkinElements elements = LoadElements(source, password);
    std::printf("%zu elements\n", elements.size());
    int number = 0;
    for (const skin::SkinElement& element : elements) {
        QByteArray detail = FormatValue(element);
        if (element.Kind == skin::ekBitmap) {
            const auto picture = skin::Bitmap::FromBmp(element.Data);
            detail = QByteArray::number(picture->Width()) + " x " +
                     QByteArray::number(picture->Height()) + "  (" +
                     QByteArray::number(element.Data.size()) + " bytes)";
        }
        std::printf("%3d  %-8s %-36s %s\n", ++number, skin::KindName(element.Kind),
                    element.Name.constData(), detail.constData());
    }
}

}  // namespace skintool
