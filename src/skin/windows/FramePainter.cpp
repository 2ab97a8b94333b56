#include "skin/windows/FramePainter.h"

#include <QPainter>

#include "skin/draw/Blit.h"
#include "skin/draw/DeviceScale.h"
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
    rawBottom_ = QImage();
    bottom_ = left_ = right_ = KeptBorder();
}

// The pictures drawn on the device go when the window comes to a screen of another ratio; the
// shape, in logical pixels, stays.
void FramePainter::FollowDevice(qreal ratio) {
    if (ratio == ratio_) return;
    ratio_ = ratio;
    titles_.clear();
    bottom_ = left_ = right_ = KeptBorder();
}

QString FramePainter::Caption(const FrameGeometry& geometry, const QString& text) {
    FollowSkin();
    return composer_.Caption(geometry, text);
}

const FramePainter::KeptTitle& FramePainter::Kept(const FrameGeometry& geometry,
                                                  const TitleState& state) {
    const TitleKey key{geometry.Window(), geometry.Traits(), state};
    for (auto it = titles_.begin(); it != titles_.end(); ++it) {
        if (it->Key == key) {
            titles_.splice(titles_.begin(), titles_, it);
            return titles_.front();
        }
    }
    KeptTitle kept{key, {}, {}};
    if (ratio_ == 1) {
        kept.Raw = composer_.Compose(geometry, state);
        // Only the skin's own pieces bring the transparent colour into a title.
        const FramePieces& pieces = skin_.Pieces();
        kept.Shown = pieces.TitleNeedsRegion
                         ? FilledTransparent(kept.Raw, pieces.TransparentRowsBegin,
                                             pieces.TransparentRowsEnd)
                         : kept.Raw;
    } else {
        kept.Shown = DeviceTitle(geometry, state);
    }
    titles_.push_front(std::move(kept));
    if (titles_.size() > kKeptTitles) titles_.pop_back();
    return titles_.front();
}

// The pictures are filled and scaled first, the label drawn on the device after: the skin's
// transparent colour blended into its neighbours would no longer be found.
QImage FramePainter::DeviceTitle(const FrameGeometry& geometry, const TitleState& state) {
    const FramePieces& pieces = skin_.Pieces();
    QImage pictures = composer_.ComposePictures(geometry, state);
    if (pieces.TitleNeedsRegion) {
        pictures =
            FilledTransparent(pictures, pieces.TransparentRowsBegin, pieces.TransparentRowsEnd);
    }
    QImage title =
        DevicePicture(pictures, DeviceScale(ratio_), Qt::TopEdge | Qt::LeftEdge | Qt::RightEdge);
    QPainter painter(&title);
    composer_.DrawLabel(painter, geometry, state);
    painter.end();
    return title;
}

const QImage& FramePainter::Title(const FrameGeometry& geometry, const TitleState& state,
                                  qreal ratio) {
    FollowSkin();
    FollowDevice(ratio);
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

QImage FramePainter::ComposeBottom(int width) const {
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

const QImage& FramePainter::RawBottom(int width) {
    if (rawBottom_.width() != width) rawBottom_ = ComposeBottom(width);
    return rawBottom_;
}

// The border is cut to the device's pixels by repeating pixels: its lines stay sharp.
const QImage& FramePainter::Bottom(int width, const QSize& size) {
    if (bottom_.Size == size && rawBottom_.width() == width) return bottom_.Picture;
    const QImage& raw = RawBottom(width);
    const QImage shown =
        skin_.Pieces().BottomNeedsRegion ? FilledTransparent(raw, 0, raw.height()) : raw;
    bottom_ = {ScaledPart(shown, shown.rect(), size), size};
    return bottom_.Picture;
}

const QImage& FramePainter::Side(const QImage& piece, const QSize& size, KeptBorder& kept) {
    if (kept.Size == size || piece.isNull() || size.isEmpty()) return kept.Picture;
    kept = {piece.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation), size};
    return kept.Picture;
}

void FramePainter::Paint(QPainter& painter, const FrameGeometry& geometry,
                         const TitleState& state) {
    FollowSkin();
    if (geometry.Traits().HasTitle) {
        ExactPainting exact(painter);
        painter.drawImage(QPoint(0, 0), Title(geometry, state, DeviceScale::Of(painter).Ratio()));
    }
    PaintBorders(painter, geometry);
}

void FramePainter::PaintBorders(QPainter& painter, const FrameGeometry& geometry) {
    FollowSkin();
    FollowDevice(DeviceScale::Of(painter).Ratio());
    if (!geometry.Traits().HasBorders) return;
    DevicePainting device(painter);
    DrawBorders(painter, geometry);
}

// Each border covers the device pixels between its rounded edges.
void FramePainter::DrawBorders(QPainter& painter, const FrameGeometry& geometry) {
    const DeviceScale scale(ratio_);
    const QMargins margins = geometry.Margins();
    const FramePieces& pieces = skin_.Pieces();
    const int w = geometry.Window().width();
    const int h = geometry.Window().height();
    const int sideBottom = h - margins.bottom();
    const QRect left =
        scale.Rect(RectLTRB(0, margins.top(), pieces.LeftBorder.width(), sideBottom));
    const QRect right =
        scale.Rect(RectLTRB(w - pieces.RightBorder.width(), margins.top(), w, sideBottom));
    const QRect bottom = scale.Rect(QRect(0, sideBottom, w, pieces.Bottom[0].Height()));
    painter.drawImage(left.topLeft(), Side(pieces.LeftBorder, left.size(), left_));
    painter.drawImage(right.topLeft(), Side(pieces.RightBorder, right.size(), right_));
    painter.drawImage(bottom.topLeft(), Bottom(w, bottom.size()));
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
    if (parts.TitleRegion) {
        parts.Title = ratio_ == 1 ? Kept(geometry, state).Raw : composer_.Compose(geometry, state);
    }
    if (parts.BottomRegion) parts.Bottom = RawBottom(parts.Width);
    shape_ = KeptShape{key, ApplyFrameRegion(parts)};
    return shape_->Region;
}

}  // namespace skin
