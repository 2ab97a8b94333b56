#include "skin/windows/FrameGeometry.h"

#include <algorithm>

#include "skin/draw/Geometry.h"
#include "skin/values/FramePieces.h"
#include "skin/values/SkinMetrics.h"

namespace skin {
namespace {

constexpr int kIconSize = 16;
constexpr int kMinimizedButtonsRight = 5;
constexpr int kMinimizedTextTop = 4;

}  // namespace

FrameGeometry::FrameGeometry(const SkinMetrics& metrics, const FramePieces& pieces,
                             const QSize& window, const FrameTraits& traits)
    : FrameGeometry(metrics, pieces, window, traits,
                    QMargins(traits.HasBorders ? metrics.LeftBorderWidth : 0,
                             traits.HasTitle ? metrics.TitleHeight : 0,
                             traits.HasBorders ? metrics.RightBorderWidth : 0,
                             traits.HasBorders ? metrics.BottomBorderHeight : 0),
                    {.IconTop = metrics.IconPosY <= 3 ? 4 : metrics.IconPosY,
                     .ButtonTop = metrics.ButtonPosY,
                     .ButtonsRight = metrics.ButtonPosX,  // the skin counts it from the right
                     // Title[2] is "SKIN2_TITLEBAR3", which a five-part title draws after the
                     // caption: the caption leaves room for it.
                     .ExtraButtonRoom = pieces.FiveSections ? pieces.Title[2].width() : 0,
                     .TextTop = metrics.CaptionTop}) {}

FrameGeometry FrameGeometry::MinimizedTitle(const SkinMetrics& metrics, const FramePieces& pieces,
                                            const QSize& window, FrameTraits traits) {
    // The buttons are centred in 26 pixels, small ones a little lower; the icon stands with them.
    const int buttonHeight = pieces.ButtonSize.height();
    int top = std::max((26 - buttonHeight) / 2, 0);
    if (buttonHeight + top < 22) top += 2;
    traits.HasBorders = false;
    traits.Maximized = false;
    return FrameGeometry(metrics, pieces, window, traits, QMargins(0, window.height(), 0, 0),
                         {.IconTop = top,
                          .ButtonTop = top,
                          .ButtonsRight = kMinimizedButtonsRight,
                          .ExtraButtonRoom = 0,
                          .TextTop = kMinimizedTextTop});
}

FrameGeometry::FrameGeometry(const SkinMetrics& metrics, const FramePieces& pieces,
                             const QSize& window, const FrameTraits& traits,
                             const QMargins& margins, const CaptionPlacement& placement)
    : window_(window), traits_(traits), margins_(margins), textTop_(placement.TextTop) {
    const QSize button = pieces.ButtonSize;
    const int shown = int(traits.Close) + int(traits.Maximize) + int(traits.Minimize);
    buttonsWidth_ = button.width() * shown + 15 + 2 * (shown - 1) + placement.ExtraButtonRoom;
    textX_ = metrics.IconPosX + 20;
    textMaxWidth_ = window.width() - textX_ - buttonsWidth_ - 4;
    if (traits.SystemIcon) {
        icon_ = QRect(std::max(metrics.IconPosX, 0), placement.IconTop, kIconSize, kIconSize);
    } else {
        textX_ -= 20;
    }
    // Right to left: close, maximise or restore, minimise, then help.
    int x = window.width() - placement.ButtonsRight - button.width();
    const bool present[] = {false, traits.Close, traits.Maximize, traits.Minimize};
    for (int element = caption::kClose; element <= caption::kMinimize; ++element) {
        if (!present[element]) continue;
        buttons_[size_t(element)] = QRect(QPoint(x, placement.ButtonTop), button);
        x -= button.width() + 2;
    }
    if (traits.Help) buttons_[caption::kHelp] = QRect(QPoint(x, placement.ButtonTop), button);
}

QRect FrameGeometry::Label() const {
    return QRect(textX_, 0, std::max(textMaxWidth_, 0), TitleHeight());
}

int FrameGeometry::ElementAt(const QPoint& point) const {
    if (!traits_.HasTitle) return caption::kNone;
    // The rectangles count their right and bottom edges, as the skin's hit rectangles do.
    auto hit = [&](const QRect& r) {
        return !r.isEmpty() && PointInRect(point, RectLTRB(r.x(), r.y(), RightOf(r), BottomOf(r)));
    };
    int element = hit(icon_) ? caption::kIcon : caption::kNone;
    for (int e = caption::kClose; e <= caption::kHelp; ++e) {
        if (hit(buttons_[size_t(e)])) element = e;
    }
    return element;
}

FrameHit FrameGeometry::HitTest(const QPoint& point) const {
    if (!QRect(QPoint(0, 0), window_).contains(point)) return {};
    if (const int element = ElementAt(point); element != caption::kNone) {
        return {FrameHit::CaptionElement, element, {}};
    }
    if (const Qt::Edges edges = ResizeEdges(point))
        return {FrameHit::Border, caption::kNone, edges};
    if (point.y() < margins_.top()) return {FrameHit::Caption, caption::kNone, {}};
    const QRect client = QRect(QPoint(0, 0), window_).marginsRemoved(margins_);
    if (!client.contains(point)) return {FrameHit::Border, caption::kNone, {}};
    return {};
}

Qt::Edges FrameGeometry::ResizeEdges(const QPoint& point) const {
    if (!traits_.Resizable || traits_.Maximized || !traits_.HasBorders) return {};
    const int w = window_.width();
    const int h = window_.height();
    const int x = point.x();
    const int y = point.y();
    Qt::Edges edges;
    if (x < std::max(margins_.left(), kResizeGrace)) edges |= Qt::LeftEdge;
    if (x >= w - std::max(margins_.right(), kResizeGrace)) edges |= Qt::RightEdge;
    if (y < kResizeGrace) edges |= Qt::TopEdge;
    if (y >= h - std::max(margins_.bottom(), kResizeGrace)) edges |= Qt::BottomEdge;
    if (!edges) return {};
    if (edges & (Qt::LeftEdge | Qt::RightEdge)) {
        if (y < kCornerGrace) edges |= Qt::TopEdge;
        if (y >= h - kCornerGrace) edges |= Qt::BottomEdge;
    }
    if (edges & (Qt::TopEdge | Qt::BottomEdge)) {
        if (x < kCornerGrace) edges |= Qt::LeftEdge;
        if (x >= w - kCornerGrace) edges |= Qt::RightEdge;
    }
    return edges;
}

}  // namespace skin
