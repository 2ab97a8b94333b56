#include "skin/builtin/BuiltinSkin.h"

#include <QFile>

namespace skin {

QByteArray BuiltinSkinData() {
    QFile file(QStringLiteral(":/plivant/skin/builtin.ssk"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace skin
