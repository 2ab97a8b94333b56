#include "skin/values/FramePieces.h"

#include <algorithm>

#include "skin/data/SkinReader.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/BitmapOps.h"
#include "skin/draw/Blit.h"

namespace skin {
namespace {

constexpr int kButtonFrames = 18;

QImage Picture(const TSkinReader& reader, int index) {
    const Bitmap* bitmap = reader.GetBitmap(index);
    if (!bitmap || bitmap->IsEmpty()) return {};
    return bitmap->Image().convertToFormat(QImage::Format_RGB32);
}

Bitmap PictureBitmap(const TSkinReader& reader, int index) {
    const Bitmap* bitmap = reader.GetBitmap(index);
    return bitmap ? *bitmap : Bitmap();
}

// Widens [begin, end) by the rows of `picture`, drawn at `top`, that hold the colour.
void AddTransparentRows(const QImage& picture, int top, QRgb key, int& begin, int& end) {
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if ((row[x] & RGB_MASK) != key) continue;
            begin = begin == end ? top + y : std::min(begin, top + y);
            end = std::max(end, top + y + 1);
            break;
        }
    }
}

}  // namespace

FramePieces FramePieces::FromReader(const TSkinReader& reader) {
    FramePieces p;
    for (int i = 0; i < 5; ++i) p.Title[size_t(i)] = Picture(reader, bitmaps::TitleBar1 + i);
    p.FiveSections = reader.GetBoolean(flags::TitleFiveSect);
    p.LeftBorder = Picture(reader, bitmaps::FormLeftBorder);
    p.RightBorder = Picture(reader, bitmaps::FormRightBorder);
    for (int i = 0; i < 3; ++i)
        p.Bottom[size_t(i)] = PictureBitmap(reader, bitmaps::FormBottomBorder1 + i);
    p.BottomThreeSections = reader.GetBoolean(flags::BottomBorderThreeSect);
    p.MenuBar = Picture(reader, bitmaps::MenuBar);
    p.TitleNeedsRegion = reader.GetBoolean(flags::TitleBarNeedRegion);
    p.BottomNeedsRegion = reader.GetBoolean(flags::BottomBorderNeedRegion);
    const Bitmap strip = PictureBitmap(reader, bitmaps::TitleButtons);
    const bool masked = reader.GetBoolean(flags::TitleBtnTrans);
    const ColorRef trans = reader.GetColor(colors::TransColor);
    for (int i = 1; i <= kButtonFrames; ++i) {
        const Bitmap frame = FrameOf(strip, kButtonFrames, i);
        if (frame.IsEmpty()) continue;
        p.Buttons[size_t(i)] = masked ? MaskedImage(frame.Image(), trans)
                                      : frame.Image().convertToFormat(QImage::Format_RGB32);
    }
    p.ButtonSize = p.Buttons[1].size();
    const QRgb key = ToQColor(trans).rgb() & RGB_MASK;
    const int buttonTop = reader.GetMetric(metrics::TitleBarButtonPosY);
    for (const QImage& piece : p.Title) {
        AddTransparentRows(piece, 0, key, p.TransparentRowsBegin, p.TransparentRowsEnd);
    }
    for (const QImage& button : p.Buttons) {
        if (button.format() == QImage::Format_RGB32) {
            AddTransparentRows(button, buttonTop, key, p.TransparentRowsBegin,
                               p.TransparentRowsEnd);
        }
    }
    return p;
}

}  // namespace skin
