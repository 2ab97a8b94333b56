#include "skin/windows/FramePainter.h"

#include <QPainter>

#include "skin/draw/Blit.h"
#include "skin/draw/FrameRegion.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/ThreePart.h"
#include "skin/values/FramePieces.h"
#include "skin/values/SkinValues.h"

namespace skin {

bool FramePainter::TitleKey::operator==(const TitleKey& other) const {
    const FrameTraits& a = Traits;
    const FrameTraits& b = other.Traits;
    return Window == other.Window && State == other.State && a.HasTitle == b.HasTitle &&
           a.HasBorders == b.HasBorders && a.SystemIcon == b.SystemIcon && a.Close == b.Close &&
           a.Maximize == b.Maximize && a.Minimize == b.Minimize && a.Help == b.Help &&
           a.Maximized == b.Maximized;
}

// Every kept picture goes when the engine loads another skin.
void FramePainter::FollowSkin() {
    if (generation_ == skin_.SkinGeneration()) return;
    generation_ = skin_.SkinGeneration();
    composer_.Reset();
    titles_.clear();
    shape_.reset();
    rawBottom_ = bottom_ = left_ = right_ = QImage();
}

QString FramePainter::Caption(const FrameGeometry& geometry, const QString& text) {
    FollowSkin();
    return composer_.Caption(geometry, text);
}

const FramePainter::KeptTitle& FramePainter::Kept(const FrameGeometry& geometry,
                                                  const TitleState& state) {
    FollowSkin();
    const TitleKey key{geometry.Window(), geometry.Traits(), state};
    for (auto it = titles_.begin(); it != titles_.end(); ++it) {
        if (it->Key == key) {
            titles_.splice(titles_.begin(), titles_, it);
            return titles_.front();
        }
    }
    QImage raw = composer_.Compose(geometry, state);
    // Only the skin's own pieces bring the transparent colour into a title.
    const FramePieces& pieces = skin_.Pieces();
    QImage shown = pieces.TitleNeedsRegion ? FilledTransparent(raw, pieces.TransparentRowsBegin,
                                                               pieces.TransparentRowsEnd)
                                           : raw;
    titles_.push_front({key, std::move(raw), std::move(shown)});
    if (titles_.size() > kKeptTitles) titles_.pop_back();
    return titles_.front();
}

const QImage& FramePainter::Title(const FrameGeometry& geometry, const TitleState& state) {
    return Kept(geometry, state).Shown;
}

// Pixels of the skin's transparent colour in rows [begin, end) show the form colour, as the
// window's shape leaves them out anyway.
QImage FramePainter::FilledTransparent(QImage picture, int begin, int end) const {
    const SkinMetrics& m = skin_.Metrics();
    const QRgb key = ToQColor(m.TransColor).rgb() & RGB_MASK;
    const QRgb fill = ToQColor(m.FormColor).rgb();
    for (int y = std::max(begin, 0); y < std::min(end, picture.height()); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if ((row[x] & RGB_MASK) == key) row[x] = fill;
        }
    }
    return picture;
}

QImage FramePainter::RawBottom(int width) const {
    const FramePieces& pieces = skin_.Pieces();
    const Bitmap& first = pieces.Bottom[0];
    QImage image(width, first.Height(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(ToQColor(skin_.Metrics().FormColor));
    QPainter painter(&image);
    if (pieces.BottomThreeSections) {
        const Bitmap& last = pieces.Bottom[2];
        DrawBitmap(painter, QPoint(0, 0), first);
        DrawBitmap(painter, QPoint(width - last.Width(), 0), last);
        StretchBitmap(pieces.Bottom[1], painter,
                      RectLTRB(first.Width(), 0, width - last.Width(), first.Height()));
    } else {
        DrawThreePart(first, painter, QRect(0, 0, width, first.Height()), -1, false);
    }
    return image;
}

const QImage& FramePainter::Bottom(int width) {
    if (bottom_.width() == width) return bottom_;
    rawBottom_ = RawBottom(width);
    bottom_ = skin_.Pieces().BottomNeedsRegion
                  ? FilledTransparent(rawBottom_, 0, rawBottom_.height())
                  : rawBottom_;
    return bottom_;
}

const QImage& FramePainter::Side(const QImage& piece, int height, QImage& kept) {
    if (kept.height() == height || piece.isNull() || height <= 0) return kept;
    kept = piece.scaled(piece.width(), height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return kept;
}

void FramePainter::Paint(QPainter& painter, const FrameGeometry& geometry,
                         const TitleState& state) {
    FollowSkin();
    if (geometry.Traits().HasTitle) {
        ExactPainting exact(painter);
        painter.drawImage(QPoint(0, 0), Title(geometry, state));
    }
    PaintBorders(painter, geometry);
}

void FramePainter::PaintBorders(QPainter& painter, const FrameGeometry& geometry) {
    FollowSkin();
    if (!geometry.Traits().HasBorders) return;
    const QMargins margins = geometry.Margins();
    ExactPainting exact(painter);
    const FramePieces& pieces = skin_.Pieces();
    const int w = geometry.Window().width();
    const int h = geometry.Window().height();
    const int sideHeight = h - margins.bottom() - margins.top();
    painter.drawImage(QPoint(0, margins.top()), Side(pieces.LeftBorder, sideHeight, left_));
    painter.drawImage(QPoint(w - pieces.RightBorder.width(), margins.top()),
                      Side(pieces.RightBorder, sideHeight, right_));
    painter.drawImage(QPoint(0, h - margins.bottom()), Bottom(w));
}

QRegion FramePainter::Shape(const FrameGeometry& geometry, TitleState state) {
    FollowSkin();
    state.Hot = caption::kNone;
    state.Pressed = false;
    const TitleKey key{geometry.Window(), geometry.Traits(), state};
    if (shape_ && shape_->Key == key) return shape_->Region;
    const SkinMetrics& m = skin_.Metrics();
    const FramePieces& pieces = skin_.Pieces();
    const FrameTraits& traits = geometry.Traits();
    FrameRegionParts parts;
    parts.Width = geometry.Window().width();
    parts.Height = geometry.Window().height();
    parts.TransColor = m.TransColor;
    parts.TitleMinY = m.TitleMinY;
    parts.TitleMaxY = m.TitleMaxY;
    parts.BottomMinY = m.BottomMinY;
    parts.BottomMaxY = m.BottomMaxY;
    parts.TitleRegion = pieces.TitleNeedsRegion && traits.HasTitle;
    parts.BottomRegion = pieces.BottomNeedsRegion && traits.HasBorders;
    if (parts.TitleRegion) parts.Title = Kept(geometry, state).Raw;
    if (parts.BottomRegion) {
        Bottom(parts.Width);
        parts.Bottom = rawBottom_;
    }
    shape_ = KeptShape{key, ApplyFrameRegion(parts)};
    return shape_->Region;
}

}  // namespace skin
