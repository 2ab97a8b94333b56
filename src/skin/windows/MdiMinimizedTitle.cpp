#include "skin/windows/MdiMinimizedTitle.h"

#include <QPainter>
#include <algorithm>

#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Text.h"
#include "skin/engine/TSkinEngine.h"
#include "skin/windows/FramePieces.h"

namespace skin {
namespace {

constexpr int kIconSize = 16;
constexpr int kTextTop = 4;

}  // namespace

QSize MdiMinimizedTitle::Size(const TSkinEngine& engine, int width) {
    const Bitmap* picture = engine.GetSkinBitmap(bitmaps::MinimizedTitle);
    if (picture && !picture->IsEmpty()) return picture->Size();
    return QSize(width, engine.Metrics().TitleHeight);
}

MdiMinimizedTitle::MdiMinimizedTitle(const TSkinEngine& engine, const QSize& window,
                                     const FrameTraits& traits)
    : engine_(engine), window_(window), traits_(traits) {
    const SkinMetrics& m = engine.Metrics();
    const QSize button = engine.Pieces().ButtonSize;
    int iconY = std::max((26 - button.height()) / 2, 0);
    if (button.height() + iconY < 22) iconY += 2;
    const int shown = int(traits.Close) + int(traits.Maximize) + int(traits.Minimize);
    const int buttonsWidth = button.width() * shown + 15 + 2 * (shown - 1);
    textX_ = m.IconPosX + 20;
    textMaxWidth_ = window.width() - textX_ - buttonsWidth - 4;
    if (traits.SystemIcon) {
        icon_ = QRect(std::max(m.IconPosX, 0), iconY, kIconSize, kIconSize);
    } else {
        textX_ -= 20;
    }
    int x = window.width() - button.width() - 5;
    const bool present[] = {false, traits.Close, traits.Maximize, traits.Minimize};
    for (int element = caption::kClose; element <= caption::kMinimize; ++element) {
        if (!present[element]) continue;
        buttons_[size_t(element)] = QRect(QPoint(x, iconY), button);
        x -= button.width() + 2;
    }
    if (traits.Help) buttons_[caption::kHelp] = QRect(QPoint(x, iconY), button);
}

QRect MdiMinimizedTitle::Label() const {
    return QRect(textX_, 0, std::max(textMaxWidth_, 0), window_.height());
}

QImage MdiMinimizedTitle::Compose(const TitleState& state) const {
    QImage title(window_, QImage::Format_RGB32);
    if (title.isNull()) return title;
    title.fill(ToQColor(engine_.Metrics().FormColor));
    QPainter painter(&title);
    if (const Bitmap* picture = engine_.GetSkinBitmap(bitmaps::MinimizedTitle)) {
        StretchBitmap(*picture, painter, title.rect());
    }
    ExactPainting exact(painter);
    if (!icon_.isEmpty() && !state.Icon.isNull()) {
        painter.drawPixmap(icon_.topLeft(), state.Icon.pixmap(icon_.size()));
    }
    const FramePieces& pieces = engine_.Pieces();
    for (int element = caption::kClose; element <= caption::kHelp; ++element) {
        const QRect place = buttons_[size_t(element)];
        if (place.isEmpty()) continue;
        const int frame = CaptionButtonFrame(element, false, state.Hot == element, state.Pressed);
        painter.drawImage(place.topLeft(), pieces.Buttons[size_t(frame)]);
    }
    const QFontMetrics& metrics = engine_.CaptionMetrics();
    painter.setFont(engine_.CaptionFont());
    painter.setPen(state.TextColor);
    painter.drawText(QPoint(textX_, kTextTop + metrics.ascent()),
                     EllipsisText(metrics, state.Text, textMaxWidth_));
    return title;
}

}  // namespace skin
