#include "skin/values/SkinMetrics.h"

#include <algorithm>

#include "skin/data/SkinReader.h"
#include "skin/data/SkinVocabulary.h"

namespace skin {
namespace {

QSize SizeOf(const TSkinReader& reader, int bitmap) {
    const Bitmap* picture = reader.GetBitmap(bitmap);
    return picture ? picture->Size() : QSize(0, 0);
}

// Wide enough for the left title piece, the right piece and the caption buttons.
int MinimumFormWidth(const TSkinReader& reader) {
    const int left = SizeOf(reader, bitmaps::TitleBar1).width();
    const int right = SizeOf(reader, bitmaps::TitleBar3).width();
    // A sixth of the 18-frame button strip is three buttons side by side.
    const int buttons = SizeOf(reader, bitmaps::TitleButtons).width() / 6 + 35;
    if (reader.GetBoolean(flags::TitleFiveSect)) return left + right + buttons;
    return left + std::max(right, buttons);
}

}  // namespace

SkinMetrics SkinMetrics::FromReader(const TSkinReader& reader) {
    SkinMetrics m;
    m.FormColor = reader.GetColor(colors::FormColor);
    m.TitleMinY = reader.GetMetric(metrics::TitleBarRegionMinY);
    m.TitleMaxY = reader.GetMetric(metrics::TitleBarRegionMaxY);
    m.BottomMinY = reader.GetMetric(metrics::BottomRegionMinY);
    m.BottomMaxY = reader.GetMetric(metrics::BottomRegionMaxY);
    m.MinFormWidth = MinimumFormWidth(reader);
    m.TitleHeight = SizeOf(reader, bitmaps::TitleBar1).height();
    m.LeftBorderWidth = SizeOf(reader, bitmaps::FormLeftBorder).width();
    m.RightBorderWidth = SizeOf(reader, bitmaps::FormRightBorder).width();
    m.BottomBorderHeight = SizeOf(reader, bitmaps::FormBottomBorder1).height();
    m.TransColor = reader.GetColor(colors::TransColor);
    m.IconPosX = reader.GetMetric(metrics::TitleBarIconPosX);
    m.IconPosY = reader.GetMetric(metrics::TitleBarIconPosY);
    m.ButtonPosX = reader.GetMetric(metrics::TitleBarButtonPosX);
    m.ButtonPosY = reader.GetMetric(metrics::TitleBarButtonPosY);
    m.CaptionTop = reader.GetMetric(metrics::TitleBarCaptionTop);
    m.TitleFontColor = reader.GetColor(colors::TitleFontColor);
    for (int i = 0; i < int(m.MenuColors.size()); ++i) {
        m.MenuColors[size_t(i)] = reader.GetColor(colors::MenuBarStartColor + i);
    }
    return m;
}

}  // namespace skin
