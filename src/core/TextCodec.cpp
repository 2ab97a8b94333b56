#include "core/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace plivant {

namespace {
constexpr const char* kWireCodec = "windows-1251";
}

QString FromWire(std::string_view bytes) {
    QStringDecoder decoder(kWireCodec);
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::string ToWire(const QString& text) {
    QStringEncoder encoder(kWireCodec);
    QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), size_t(bytes.size()));
}

std::string Utf8ToWire(std::string_view utf8) {
    return ToWire(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

std::string WireToUtf8(std::string_view bytes) {
    QByteArray utf8 = FromWire(bytes).toUtf8();
    return std::string(utf8.constData(), size_t(utf8.size()));
}

}  // namespace plivant
