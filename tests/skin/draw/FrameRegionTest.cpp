#include <gtest/gtest.h>

#include "skin/draw/FrameRegion.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/PixelHelpers.h"

namespace skin {
namespace {

using test::kMagenta;

// A picture drawn from text: '#' opaque (white), '.' transparent (magenta).
QImage PictureOf(const std::vector<std::string>& rows) {
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, rows[y][x] == '#' ? Qt::white : ToQColor(kMagenta));
    return image;
}

std::vector<std::string> Rows(const QRegion& region, int width, int height) {
    std::vector<std::string> rows(height, std::string(width, '.'));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (region.contains(QPoint(x, y))) rows[y][x] = '#';
    return rows;
}

FrameRegionParts Parts(const QImage& title, int minY, int maxY, int height) {
    FrameRegionParts parts;
    parts.Title = title;
    parts.Width = title.width();
    parts.Height = height;
    parts.TransColor = kMagenta;
    parts.TitleMinY = minY;
    parts.TitleMaxY = maxY;
    parts.TitleRegion = true;
    return parts;
}

TEST(ApplyFrameRegion, ScansOnlyTheTitleRowsBetweenMinAndMaxY) {
    const QImage title = PictureOf({"..##..", ".####.", "######", "..##.."});
    const struct {
        const char* name;
        int minY, maxY;
        std::vector<std::string> rows;
    } cases[] = {
        {"rows 0 to 1", 0, 1, {"..##..", ".####.", "######", "######", "######"}},
        {"rows 1 to 3, row 0 whole", 1, 3, {"######", ".####.", "######", "..##..", "######"}},
        {"unset: every row", -1, -1, {"..##..", ".####.", "######", "..##..", "######"}},
        {"min above max: to the end", 3, 1, {"######", "######", "######", "..##..", "######"}},
        {"max past the picture", 0, 9, {"..##..", ".####.", "######", "..##..", "######"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rows(ApplyFrameRegion(Parts(title, c.minY, c.maxY, 5)), 6, 5), c.rows) << c.name;
}

TEST(ApplyFrameRegion, ARowWhoseOnlyOpaquePixelIsTheLastAddsJustThatPixel) {
    const QRegion region = ApplyFrameRegion(Parts(PictureOf({".....#"}), 0, 0, 1));
    EXPECT_EQ(region, QRegion(5, 0, 1, 1));
}

TEST(ApplyFrameRegion, ShapesTheBottomBelowTheMiddleOnlyWhenAsked) {
    FrameRegionParts parts = Parts(PictureOf({".##."}), 0, 0, 5);
    parts.Bottom = PictureOf({"#..#", ".##."});
    parts.BottomMinY = 1;
    parts.BottomMaxY = 1;
    parts.BottomRegion = true;
    EXPECT_EQ(Rows(ApplyFrameRegion(parts), 4, 5),
              (std::vector<std::string>{".##.", "####", "####", "####", ".##."}));
    parts.BottomRegion = false;
    parts.TitleRegion = false;
    EXPECT_EQ(ApplyFrameRegion(parts), QRegion(0, 0, 4, 5));
}

TEST(PointInRect, CountsAllFourEdgesAsInside) {
    const QRect rect = RectLTRB(2, 3, 6, 8);
    const struct {
        int x, y;
        bool inside;
    } cases[] = {{2, 3, true},  {6, 8, true},  {6, 3, true},  {2, 8, true}, {4, 5, true},
                 {1, 3, false}, {7, 8, false}, {6, 9, false}, {4, 2, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(PointInRect(c.x, c.y, rect), c.inside) << c.x << "," << c.y;
        EXPECT_EQ(PointInRect(QPoint(c.x, c.y), rect), c.inside) << c.x << "," << c.y;
    }
}

}  // namespace
}  // namespace skin
