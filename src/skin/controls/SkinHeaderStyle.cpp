#include "skin/controls/SkinHeaderStyle.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/Text.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

constexpr int kLeftInset = 4;
constexpr int kImageGap = 2;

// Where the caption (and the image before it) starts in a section of width `width`.
int CaptionOffset(Qt::Alignment alignment, int width, int textWidth, int imageWidth) {
    const int room = width - 6 - textWidth - imageWidth;
    if (alignment & Qt::AlignRight) return room >= 6 ? room - 2 : kLeftInset;
    if (alignment & Qt::AlignHCenter) {
        const int d = (room - 2) / 2;
        return d > 3 ? d : kLeftInset;
    }
    return kLeftInset;
}

}  // namespace

SkinHeaderStyle::SkinHeaderStyle(const SkinValues& skin, QStyle* base)
    : QProxyStyle(base), skin_(skin) {}

void SkinHeaderStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    // The area right of the last column comes with a plain option.
    const bool skinned = skin_.IsSkinning() && (option->state & State_Horizontal);
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (skinned && element == CE_HeaderEmptyArea) {
        PaintSection(*painter, option->rect, false);
    } else if (skinned && header && element == CE_HeaderSection) {
        PaintSection(*painter, header->rect, true);
    } else if (skinned && header && element == CE_HeaderLabel) {
        PaintLabel(*painter, *header);
    } else {
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void SkinHeaderStyle::PaintSection(QPainter& painter, const QRect& rect, bool separator) const {
    const ColorRef border = skin_.GetSkinColor(colors::ControlBorderColor);
    FillRectColor(painter, rect, skin_.Metrics().FormColor);
    if (separator) {
        FillRectColor(painter,
                      RectLTRB(RightOf(rect) - 1, rect.top(), RightOf(rect), BottomOf(rect)),
                      border);
    }
    FillRectColor(painter, RectLTRB(rect.left(), BottomOf(rect) - 1, RightOf(rect), BottomOf(rect)),
                  border);
}

void SkinHeaderStyle::PaintLabel(QPainter& painter, const QStyleOptionHeader& header) const {
    const QRect r = header.rect;
    const QFont& font = skin_.Menus().Font;
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(header.text);
    const int imageSize = pixelMetric(PM_SmallIconSize, &header, nullptr);
    const int imageWidth = header.icon.isNull() ? 0 : imageSize;
    int x = r.left() + CaptionOffset(header.textAlignment, r.width(), textWidth, imageWidth);
    if (imageWidth > 0) {
        const QIcon::Mode mode = (header.state & State_Enabled) ? QIcon::Normal : QIcon::Disabled;
        ExactPainting exact(painter);
        painter.drawPixmap(QPoint(x, r.top() + (r.height() - imageSize) / 2),
                           header.icon.pixmap(imageSize, mode));
        x += imageWidth + kImageGap;
    }
    const QString caption = EllipsisText(metrics, header.text, RightOf(r) - x - 2);
    painter.save();
    painter.setFont(font);
    painter.setPen(ToQColor(skin_.GetSkinColor(colors::ControlFontColor)));
    painter.drawText(RectLTRB(x, r.top(), RightOf(r) - 2, BottomOf(r)),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
    painter.restore();
}

}  // namespace skin
