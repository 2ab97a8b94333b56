// The embedded pictures load from the program itself, at the sizes the windows lay out.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include "resources/Images.h"

namespace plivant::images {
namespace {

TEST(Images, EveryPictureIsEmbeddedAtItsSize) {
    EXPECT_EQ(Logo().size(), QSize(194, 53));
    for (int i = 0; i < kMenuImageCount; ++i) {
        const QPixmap image = MenuImage(i);
        EXPECT_EQ(image.size(), QSize(16, 16)) << "menu image " << i;
        EXPECT_TRUE(image.hasAlphaChannel()) << "menu image " << i;
    }
    EXPECT_TRUE(MenuImage(-1).isNull());
    EXPECT_TRUE(MenuImage(kMenuImageCount).isNull());

    const QIcon icon = ProgramIcon();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_EQ(icon.pixmap(size).size(), QSize(size, size)) << "icon " << size;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << "icon " << size;
    }
}

// On a scaled screen the logo keeps its logical size and has the device pixels of the ratio.
TEST(Images, LogoComesAtTheDevicePixelsOfTheRatio) {
    const struct {
        qreal ratio;
        QSize device;
    } cases[] = {{1, {194, 53}},    {1.25, {243, 66}}, {1.5, {291, 80}},
                 {1.75, {340, 93}}, {2, {388, 106}},   {3, {582, 159}}};
    for (const auto& c : cases) {
        const QPixmap logo = Logo(c.ratio);
        EXPECT_EQ(logo.size(), c.device) << c.ratio;
        EXPECT_DOUBLE_EQ(logo.devicePixelRatio(), c.ratio);
        EXPECT_EQ(logo.deviceIndependentSize().toSize(), QSize(194, 53)) << c.ratio;
    }
    // Drawn at twice the size, not the small picture made larger: the mark's edge stays sharp
    // (fewer half-covered pixels than an enlargement of the small logo has).
    auto soft = [](const QImage& image) {
        int count = 0;
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y) {
            for (int x = 0; x < argb.width(); ++x) {
                const int alpha = qAlpha(argb.pixel(x, y));
                count += alpha > 0 && alpha < 255;
            }
        }
        return count;
    };
    const QImage enlarged =
        Logo().toImage().scaled(388, 106, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(soft(Logo(2).toImage()), soft(enlarged) * 3 / 4);
}

TEST(Images, LogoLiesOnATransparentGroundAndTheSmallIconKeepsToSixteenColours) {
    const QImage logo = Logo().toImage().convertToFormat(QImage::Format_ARGB32);
    const int right = logo.width() - 1, bottom = logo.height() - 1;
    for (QPoint corner :
         {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        EXPECT_EQ(qAlpha(logo.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    int opaque = 0;
    for (int y = 0; y <= bottom; ++y) {
        for (int x = 0; x <= right; ++x) opaque += qAlpha(logo.pixel(x, y)) == 255;
    }
    EXPECT_GT(opaque, logo.width() * logo.height() / 10) << "the logo is nearly empty";

    const QImage icon = ProgramIcon().pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) colours.insert(icon.pixel(x, y));
    }
    EXPECT_LE(colours.size(), 16);
}

}  // namespace
}  // namespace plivant::images
