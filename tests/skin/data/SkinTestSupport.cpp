#include "SkinTestSupport.h"

#include <QFile>

#include "skin/data/ContainerWriter.h"
#include "skin/data/Sk2Archive.h"

namespace skin::test {

QString FixturePath(const char* name) {
    return QStringLiteral(PLIVANT_SKIN_FIXTURES "/") + QString::fromLatin1(name);
}

QByteArray Fixture(const char* name) {
    QFile file(FixturePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Bitmap Filled(int width, int height, ColorRef colour) {
    Bitmap bitmap(width, height);
    bitmap.Image().fill(ToQColor(colour));
    return bitmap;
}

QByteArray FilledBmp(int width, int height, ColorRef colour) {
    return Filled(width, height, colour).ToBmp();
}

QByteArray MakeContainer(const SkinElements& elements) {
    return WriteSkinContainer(WriteSk2Archive(elements));
}

}  // namespace skin::test
