#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

#include "core/TextCodec.h"

namespace plivant {
namespace {

// Our table against the system's converter, which the stores and the wire were written with.
TEST(TextCodec, EveryByteReadsAsTheSystemsConverterReadsIt) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    QStringDecoder decoder("windows-1251");
    EXPECT_EQ(FromWire(all), decoder.decode(QByteArrayView(all.data(), qsizetype(all.size()))));
    EXPECT_EQ(ToWire(FromWire(all)), all);  // and back
}

TEST(TextCodec, TextsWithoutABytePutTheConvertersMark) {
    const QString texts[] = {
        QString::fromUtf8("Курс € и № — «ёлка»"),
        QString::fromUtf8("ü 中 \U0001F600 end"),            // no byte, one letter beyond the plane
        QString(QChar(0xDC00)) + "a" + QChar(0xD800) + "b",  // halves of pairs inside
        QString("tail") + QChar(0xD800),                     // a half pair at the end
        QString(),
    };
    for (const QString& text : texts) {
        QStringEncoder encoder("windows-1251");
        const QByteArray expected = encoder.encode(text);
        EXPECT_EQ(ToWire(text), std::string(expected.constData(), size_t(expected.size())))
            << text.toStdString();
    }
}

}  // namespace
}  // namespace plivant
