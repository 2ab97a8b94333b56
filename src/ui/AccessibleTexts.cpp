#include "ui/AccessibleTexts.h"

#include <QStringList>

namespace plivant {

QString RowDescription(const std::string& important, const std::string& attachment) {
    QStringList parts;
    if (important == "1") parts << QString::fromUtf8("важная");
    if (attachment == "1") parts << QString::fromUtf8("есть полный текст");
    return parts.join(", ");
}

QString LampName(bool live) {
    return live ? QString::fromUtf8("Статус: подключено")
                : QString::fromUtf8("Статус: нет соединения");
}

QString LogoName() { return QString::fromUtf8("Логотип Vetrasol"); }

}  // namespace plivant
