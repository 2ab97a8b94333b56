#include "skin/windows/FramePainter.h"

#include <QPainter>

#include "skin/draw/Blit.h"
#include "skin/draw/FrameRegion.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/SystemFonts.h"
#include "skin/draw/Text.h"
#include "skin/draw/ThreePart.h"
#include "skin/engine/TSkinEngine.h"
#include "skin/windows/FramePieces.h"

namespace skin {
namespace {

QFont CaptionFont() {
    QFont font;
    AssignCaptionFont(font);
    return font;
}

void Stretch(QPainter& painter, const QImage& piece, const QRect& target) {
    StretchImage(piece, painter, target);
}

void Place(QPainter& painter, const QImage& piece, const QPoint& at) {
    if (piece.isNull()) return;
    ExactPainting exact(painter);
    painter.drawImage(at, piece);
}

// The frame of a caption button: normal, hot, or hot and pressed.
int ButtonFrame(int element, bool maximized, bool hot, bool pressed) {
    int first = buttonframes::kClose;
    if (element == caption::kMaximize) {
        first = maximized ? buttonframes::kRestore : buttonframes::kMaximize;
    } else if (element == caption::kMinimize) {
        first = buttonframes::kMinimize;
    } else if (element == caption::kHelp) {
        first = buttonframes::kHelp;
    }
    return first + (hot ? 1 : 0) + (hot && pressed ? 1 : 0);
}

}  // namespace

bool FramePainter::TitleKey::operator==(const TitleKey& other) const {
    const FrameTraits& a = Traits;
    const FrameTraits& b = other.Traits;
    return Window == other.Window && State == other.State && a.HasTitle == b.HasTitle &&
           a.HasBorders == b.HasBorders && a.SystemIcon == b.SystemIcon && a.Close == b.Close &&
           a.Maximize == b.Maximize && a.Minimize == b.Minimize && a.Help == b.Help &&
           a.Maximized == b.Maximized;
}

void FramePainter::Reset() {
    background_ = QImage();
    backgroundSize_ = QSize();
    backgroundCaption_.clear();
    title_ = QImage();
    titleKey_.reset();
    bottom_ = left_ = right_ = QImage();
}

QString FramePainter::Caption(const FrameGeometry& geometry, const QString& text) const {
    return EllipsisText(QFontMetrics(CaptionFont()), text, geometry.TextMaxWidth());
}

// The title pieces side by side, as wide as the window. Only a five-part title depends on the
// caption: its middle piece ends where the caption does.
const QImage& FramePainter::Background(const FrameGeometry& geometry, const QString& caption) {
    const FramePieces& pieces = engine_.Pieces();
    const QSize size(geometry.Window().width(), geometry.TitleHeight());
    const QString key = pieces.FiveSections ? caption : QString();
    if (size == backgroundSize_ && key == backgroundCaption_) return background_;
    const SkinMetrics& m = engine_.Metrics();
    const int w = size.width();
    QImage image(size, QImage::Format_RGB32);
    image.fill(ToQColor(m.FormColor));
    QPainter painter(&image);
    const QImage& first = pieces.Title[0];
    const QImage& right = pieces.Title[pieces.FiveSections ? 4 : 2];
    Place(painter, right, QPoint(w - right.width(), 0));
    Place(painter, first, QPoint(0, 0));
    int x = first.width();
    const QImage* filler = &pieces.Title[1];
    if (pieces.FiveSections) {
        const int textEnd =
            m.IconPosX + 20 + QFontMetrics(CaptionFont()).horizontalAdvance(caption);
        Stretch(painter, pieces.Title[1], RectLTRB(x, 0, textEnd + 2, pieces.Title[1].height()));
        x = textEnd + 2;
        Place(painter, pieces.Title[2], QPoint(x, 0));
        x += pieces.Title[2].width();
        filler = &pieces.Title[3];
    }
    if (x < w - right.width()) {
        Stretch(painter, *filler, RectLTRB(x, 0, w - right.width(), filler->height()));
    }
    // Too narrow for the first piece and the buttons: the first piece is squeezed.
    if (w - geometry.ButtonsWidth() < first.width()) {
        Place(painter, right, QPoint(w - right.width(), 0));
        Stretch(painter, first, RectLTRB(0, 0, w - right.width(), size.height()));
    }
    painter.end();
    background_ = image;
    backgroundSize_ = size;
    backgroundCaption_ = key;
    return background_;
}

void FramePainter::DrawDecorations(QImage& title, const FrameGeometry& geometry,
                                   const TitleState& state, const QString& caption) const {
    const FramePieces& pieces = engine_.Pieces();
    const FrameTraits& traits = geometry.Traits();
    QPainter painter(&title);
    if (traits.SystemIcon && !state.Icon.isNull()) {
        ExactPainting exact(painter);
        painter.drawPixmap(geometry.Icon().topLeft(), state.Icon.pixmap(geometry.Icon().size()));
    }
    for (int element = caption::kClose; element <= caption::kHelp; ++element) {
        const QRect place = geometry.Button(element);
        if (place.isEmpty()) continue;
        const bool hot = state.Hot == element;
        const int frame = ButtonFrame(element, traits.Maximized, hot, state.Pressed);
        Place(painter, pieces.Buttons[size_t(frame)], place.topLeft());
    }
    const QFont font = CaptionFont();
    painter.setFont(font);
    painter.setPen(state.TextColor);
    const int top = engine_.Metrics().CaptionTop;
    painter.drawText(QPoint(geometry.TextX(), top + QFontMetrics(font).ascent()), caption);
}

// Pixels of the skin's transparent colour show the form colour, as the window's shape leaves
// them out anyway.
QImage FramePainter::FilledTransparent(QImage picture) const {
    const SkinMetrics& m = engine_.Metrics();
    const QRgb key = ToQColor(m.TransColor).rgb() & RGB_MASK;
    const QRgb fill = ToQColor(m.FormColor).rgb();
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if ((row[x] & RGB_MASK) == key) row[x] = fill;
        }
    }
    return picture;
}

QImage FramePainter::RawTitle(const FrameGeometry& geometry, const TitleState& state) {
    const QString caption = Caption(geometry, state.Text);
    QImage title = Background(geometry, caption).copy();
    DrawDecorations(title, geometry, state, caption);
    return title;
}

const QImage& FramePainter::Title(const FrameGeometry& geometry, const TitleState& state) {
    const TitleKey key{geometry.Window(), geometry.Traits(), state};
    if (titleKey_ && *titleKey_ == key) return title_;
    QImage title = RawTitle(geometry, state);
    title_ = engine_.Pieces().TitleNeedsRegion ? FilledTransparent(title) : title;
    titleKey_ = key;
    return title_;
}

QImage FramePainter::RawBottom(int width) const {
    const FramePieces& pieces = engine_.Pieces();
    const Bitmap& first = pieces.Bottom[0];
    QImage image(width, first.Height(), QImage::Format_RGB32);
    image.fill(ToQColor(engine_.Metrics().FormColor));
    if (image.isNull()) return image;
    QPainter painter(&image);
    if (pieces.BottomThreeSections) {
        const Bitmap& last = pieces.Bottom[2];
        Place(painter, first.Image(), QPoint(0, 0));
        Place(painter, last.Image(), QPoint(width - last.Width(), 0));
        StretchBitmap(pieces.Bottom[1], painter,
                      RectLTRB(first.Width(), 0, width - last.Width(), first.Height()));
    } else {
        DrawThreePart(first, painter, QRect(0, 0, width, first.Height()), -1, false);
    }
    return image;
}

const QImage& FramePainter::Bottom(int width) {
    if (bottom_.width() == width) return bottom_;
    const QImage raw = RawBottom(width);
    bottom_ = engine_.Pieces().BottomNeedsRegion ? FilledTransparent(raw) : raw;
    return bottom_;
}

const QImage& FramePainter::Side(const QImage& piece, int height, QImage& kept) {
    if (kept.height() == height || piece.isNull() || height <= 0) return kept;
    kept = piece.scaled(piece.width(), height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return kept;
}

void FramePainter::Paint(QPainter& painter, const FrameGeometry& geometry,
                         const TitleState& state) {
    const FrameTraits& traits = geometry.Traits();
    const QMargins margins = geometry.Margins();
    ExactPainting exact(painter);
    if (traits.HasTitle) painter.drawImage(QPoint(0, 0), Title(geometry, state));
    if (!traits.HasBorders) return;
    const FramePieces& pieces = engine_.Pieces();
    const int w = geometry.Window().width();
    const int h = geometry.Window().height();
    const int sideHeight = h - margins.bottom() - margins.top();
    painter.drawImage(QPoint(0, margins.top()), Side(pieces.LeftBorder, sideHeight, left_));
    painter.drawImage(QPoint(w - pieces.RightBorder.width(), margins.top()),
                      Side(pieces.RightBorder, sideHeight, right_));
    painter.drawImage(QPoint(0, h - margins.bottom()), Bottom(w));
}

QRegion FramePainter::Shape(const FrameGeometry& geometry, const TitleState& state) {
    const SkinMetrics& m = engine_.Metrics();
    const FramePieces& pieces = engine_.Pieces();
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
    if (parts.TitleRegion) parts.Title = RawTitle(geometry, state);
    if (parts.BottomRegion) parts.Bottom = RawBottom(parts.Width);
    return ApplyFrameRegion(parts);
}

}  // namespace skin
