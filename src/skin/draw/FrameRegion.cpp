#include "skin/draw/FrameRegion.h"

#include <algorithm>

#include "skin/draw/Geometry.h"

namespace skin {
namespace {

// The maximal runs of opaque pixels of one row, as 1-pixel-high rectangles moved down by `dy`.
void AddOpaqueRuns(QRegion& region, const QImage& picture, int y, QRgb transparent, int dy) {
    const int width = picture.width();
    int x = 0;
    while (x < width) {
        while (x < width && (picture.pixel(x, y) & RGB_MASK) == transparent) ++x;
        const int start = x;
        while (x < width && (picture.pixel(x, y) & RGB_MASK) != transparent) ++x;
        if (x > start) region += RectLTRB(start, y + dy, x, y + dy + 1);
    }
}

// One picture's share of the outline: whole rows above the scanned ones, the scanned rows
// pixel by pixel, whole rows below, all moved down by `top`.
void AddPicture(QRegion& region, const QImage& picture, int minY, int maxY, int width, int top,
                QRgb transparent) {
    const int height = picture.height();
    const int first = std::max(minY == -1 ? 0 : minY, 0);
    const int end = std::min(minY >= maxY ? height : maxY + 1, height);
    if (minY >= 1) region += RectLTRB(0, top, width, top + minY);
    for (int y = first; y < end; ++y) AddOpaqueRuns(region, picture, y, transparent, top);
    if (end < height) region += RectLTRB(0, top + end, width, top + height);
}

}  // namespace

QRegion ApplyFrameRegion(const FrameRegionParts& parts) {
    const QRgb transparent = ToQColor(parts.TransColor).rgb() & RGB_MASK;
    const int titleHeight = parts.TitleRegion ? parts.Title.height() : 0;
    const int bottomHeight = parts.BottomRegion ? parts.Bottom.height() : 0;
    QRegion region;
    if (parts.TitleRegion) {
        AddPicture(region, parts.Title, parts.TitleMinY, parts.TitleMaxY, parts.Width, 0,
                   transparent);
    }
    region += RectLTRB(0, titleHeight, parts.Width, parts.Height - bottomHeight);
    const int bottomTop = parts.Height - bottomHeight;
    if (parts.BottomRegion) {
        AddPicture(region, parts.Bottom, parts.BottomMinY, parts.BottomMaxY, parts.Width, bottomTop,
                   transparent);
    }
    return region;
}

}  // namespace skin
