#include "skin/windows/TitleComposer.h"

#include <QPainter>

#include "skin/draw/Blit.h"
#include "skin/draw/DeviceScale.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/Text.h"
#include "skin/values/FramePieces.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

// Stretched as the window system stretches pictures: pixels repeated, not blended.
void Stretch(QPainter& painter, const QImage& piece, const QRect& target) {
    CopyRect(painter, target, piece, piece.rect());
}

// Frames of the caption buttons in "SKIN2_TITLEBUTTONS": normal, hot, hot and pressed.
namespace buttonframes {
constexpr int kHelp = 4;
constexpr int kMaximize = 7;
constexpr int kRestore = 10;
constexpr int kMinimize = 13;
constexpr int kClose = 16;
}  // namespace buttonframes

// The frame of a caption button (caption::kClose ... kHelp): normal, hot, or hot and pressed.
int CaptionButtonFrame(int element, bool maximized, bool hot, bool pressed) {
    int first = buttonframes::kClose;
    if (element == caption::kMaximize) {
        first = maximized ? buttonframes::kRestore : buttonframes::kMaximize;
    } else if (element == caption::kMinimize) {
        first = buttonframes::kMinimize;
    } else if (element == caption::kHelp) {
        first = buttonframes::kHelp;
    }
    // A pressed button looks pressed only while the pointer is on it.
    return first + (hot ? 1 : 0) + (hot && pressed ? 1 : 0);
}

void DrawIcon(QPainter& painter, const FrameGeometry& geometry, const TitleState& state) {
    if (!geometry.Traits().SystemIcon || state.Icon.isNull()) return;
    ExactPainting exact(painter);
    const QRect place = geometry.Icon();
    painter.drawPixmap(place.topLeft(),
                       state.Icon.pixmap(place.size(), DeviceScale::Of(painter).Ratio()));
}

void DrawButtons(QPainter& painter, const SkinValues& skin, const FrameGeometry& geometry,
                 const TitleState& state) {
    const FramePieces& pieces = skin.Pieces();
    const FrameTraits& traits = geometry.Traits();
    for (int element = caption::kClose; element <= caption::kHelp; ++element) {
        const QRect place = geometry.Button(element);
        if (place.isEmpty()) continue;
        const int frame =
            CaptionButtonFrame(element, traits.Maximized, state.Hot == element, state.Pressed);
        DrawMasked(painter, place.topLeft(), pieces.Buttons[size_t(frame)], -1);
    }
}

void DrawCaption(QPainter& painter, const SkinValues& skin, const FrameGeometry& geometry,
                 const TitleState& state, const QString& caption) {
    const QFontMetrics& metrics = skin.CaptionMetrics();
    painter.setFont(skin.CaptionFont());
    painter.setPen(state.TextColor);
    painter.drawText(QPoint(geometry.TextX(), geometry.TextTop() + metrics.ascent()), caption);
}

}  // namespace

void TitleComposer::Reset() {
    shortenedWidth_ = -1;
    background_ = QImage();
    backgroundKey_ = BackgroundKey();
}

QString TitleComposer::Caption(const FrameGeometry& geometry, const QString& text) {
    const int width = geometry.TextMaxWidth();
    if (width != shortenedWidth_ || text != shortenedFrom_) {
        shortened_ = EllipsisText(skin_.CaptionMetrics(), text, width);
        shortenedFrom_ = text;
        shortenedWidth_ = width;
    }
    return shortened_;
}

// Only a five-part title depends on the caption: its middle piece ends where the caption does.
const QImage& TitleComposer::Background(const FrameGeometry& geometry, const QString& caption) {
    const FramePieces& pieces = skin_.Pieces();
    const QSize size(geometry.Window().width(), geometry.TitleHeight());
    BackgroundKey key{size, geometry.ButtonsWidth(), pieces.FiveSections ? caption : QString()};
    if (!background_.isNull() && key == backgroundKey_) return background_;
    const SkinMetrics& m = skin_.Metrics();
    const int w = size.width();
    QImage image(size, QImage::Format_RGB32);
    image.fill(ToQColor(m.FormColor));
    QPainter painter(&image);
    const QImage& first = pieces.Title[0];
    const QImage& right = pieces.Title[pieces.FiveSections ? 4 : 2];
    DrawMasked(painter, QPoint(w - right.width(), 0), right, -1);
    DrawMasked(painter, QPoint(0, 0), first, -1);
    int x = first.width();
    const QImage* filler = &pieces.Title[1];
    if (pieces.FiveSections) {
        // From where the caption stands beside an icon, icon or not: the pieces are laid out
        // before the caption moves left for a window without one.
        const int textEnd = m.IconPosX + 20 + skin_.CaptionMetrics().horizontalAdvance(caption);
        Stretch(painter, pieces.Title[1], RectLTRB(x, 0, textEnd + 2, pieces.Title[1].height()));
        x = textEnd + 2;
        DrawMasked(painter, QPoint(x, 0), pieces.Title[2], -1);
        x += pieces.Title[2].width();
        filler = &pieces.Title[3];
    }
    if (x < w - right.width()) {
        Stretch(painter, *filler, RectLTRB(x, 0, w - right.width(), filler->height()));
    }
    // Too narrow for the first piece and the buttons: the first piece is squeezed.
    if (w - geometry.ButtonsWidth() < first.width()) {
        DrawMasked(painter, QPoint(w - right.width(), 0), right, -1);
        Stretch(painter, first, RectLTRB(0, 0, w - right.width(), size.height()));
    }
    painter.end();
    background_ = image;
    backgroundKey_ = std::move(key);
    return background_;
}

void DrawTitleDecorations(QPainter& painter, const SkinValues& skin, const FrameGeometry& geometry,
                          const TitleState& state, const QString& caption) {
    DrawIcon(painter, geometry, state);
    DrawButtons(painter, skin, geometry, state);
    DrawCaption(painter, skin, geometry, state, caption);
}

QImage TitleComposer::Compose(const FrameGeometry& geometry, const TitleState& state) {
    const QString caption = Caption(geometry, state.Text);
    QImage title = Background(geometry, caption).copy();
    QPainter painter(&title);
    DrawTitleDecorations(painter, skin_, geometry, state, caption);
    painter.end();
    return title;
}

QImage TitleComposer::ComposePictures(const FrameGeometry& geometry, const TitleState& state) {
    QImage title = Background(geometry, Caption(geometry, state.Text)).copy();
    QPainter painter(&title);
    DrawButtons(painter, skin_, geometry, state);
    painter.end();
    return title;
}

void TitleComposer::DrawLabel(QPainter& painter, const FrameGeometry& geometry,
                              const TitleState& state) {
    DrawIcon(painter, geometry, state);
    DrawCaption(painter, skin_, geometry, state, Caption(geometry, state.Text));
}

}  // namespace skin
