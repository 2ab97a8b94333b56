#include "core/TextCodec.h"

namespace plivant {

namespace {

// Windows-1251 from 0x80 up; the bytes below are ASCII. A table of our own, because the system's
// converter (ICU) costs some 4 MiB of memory to open.
// clang-format off
constexpr char16_t kUpper[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0: А to я in order
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};
// clang-format on
constexpr char kNoSuchLetter = 0x1A;  // what the code page's converters write for one

char Encode(char16_t c) {
    if (c < 0x80) return char(c);
    if (c >= 0x0410 && c <= 0x044F) return char(0xC0 + (c - 0x0410));
    for (int i = 0; i < 0x40; ++i) {
        if (kUpper[i] == c) return char(0x80 + i);
    }
    return kNoSuchLetter;
}

}  // namespace

QString FromWire(std::string_view bytes) {
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (unsigned char b : bytes) *out++ = QChar(b < 0x80 ? char16_t(b) : kUpper[b - 0x80]);
    return text;
}

std::string ToWire(const QString& text) {
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c)) {
            // A letter beyond the first plane has no byte; a half pair at the very end is
            // dropped, as the converter waits for its other half.
            if (i + 1 == n) break;
            if (QChar::isLowSurrogate(text[i + 1].unicode())) ++i;
            bytes += kNoSuchLetter;
            continue;
        }
        bytes += Encode(c);
    }
    return bytes;
}

std::string Utf8ToWire(std::string_view utf8) {
    return ToWire(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

std::string WireToUtf8(std::string_view bytes) {
    QByteArray utf8 = FromWire(bytes).toUtf8();
    return std::string(utf8.constData(), size_t(utf8.size()));
}

}  // namespace plivant
