#include <gtest/gtest.h>

#include <QtEndian>

#include "SkinTestSupport.h"
#include "skin/data/BmpHeader.h"

namespace skin {
namespace {

QByteArray With32(QByteArray bmp, int offset, int32_t value) {
    qToLittleEndian(value, bmp.data() + offset);
    return bmp;
}

constexpr int kWidth = 18, kHeight = 22, kCompression = 30;

TEST(Bitmap, FromBmpAcceptsSaneFilesOnly) {
    const QByteArray good = test::FilledBmp(5, 3, 0x00123456);
    QByteArray truncated = good;
    truncated.chop(4);
    // A run-length encoded header claiming a huge picture from a few bytes.
    QByteArray rle = With32(With32(With32(good, kCompression, 1), kWidth, 4000), kHeight, 4000);
    rle[28] = 8;
    const std::pair<const char*, QByteArray> bad[] = {
        {"empty", QByteArray()},
        {"only the signature", QByteArray("BM")},
        {"not a BMP", QByteArray("\x89PNG\r\n\x1a\n").leftJustified(80, '\0')},
        {"rows missing", truncated},
        {"no width", With32(good, kWidth, 0)},
        {"too wide", With32(good, kWidth, 20000)},
        {"unknown compression", With32(good, kCompression, 4)},
        {"rle bomb", rle},
        {"header size past the end", With32(good, 14, 100000)},
        {"pixels start too late", With32(good, 10, 60)},
    };
    for (const auto& [what, bytes] : bad) EXPECT_FALSE(Bitmap::FromBmp(bytes)) << what;

    const auto decoded = Bitmap::FromBmp(good);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Size(), QSize(5, 3));
    EXPECT_EQ(decoded->Pixel(4, 2), 0x00123456);

    // Rows stored top down (negative height) are valid too.
    EXPECT_EQ(CheckBmpHeader(With32(good, kHeight, -3)), QSize(5, 3));
}

}  // namespace
}  // namespace skin
