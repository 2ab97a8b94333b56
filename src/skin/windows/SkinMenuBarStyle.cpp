#include "skin/windows/SkinMenuBarStyle.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

#include "skin/draw/Blit.h"
#include "skin/draw/Fills.h"
#include "skin/values/FramePieces.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

constexpr int kImageSize = 16;
constexpr ColorRef kDisabledText = 0x00808080;

}  // namespace

// The bar's picture, or its gradient, or its colour, over the whole bar and shown in `part`.
void SkinMenuBarStyle::DrawBackground(QPainter& painter, const QRect& bar,
                                      const QRect& part) const {
    const auto& colours = skin_.Metrics().MenuColors;
    const ColorRef start = colours[menucolors::BarStart];
    const ColorRef end = colours[menucolors::BarEnd];
    painter.save();
    painter.setClipRect(part, Qt::IntersectClip);
    if (const QImage& picture = skin_.Pieces().MenuBar; !picture.isNull()) {
        StretchImage(picture, painter, bar);
    } else if (start != end) {
        FillGradient(painter, bar, start, end);
    } else {
        FillRectColor(painter, bar, start);
    }
    painter.restore();
}

void SkinMenuBarStyle::DrawItem(QPainter& painter, const QStyleOptionMenuItem& item,
                                const QWidget* widget) const {
    const auto& colours = skin_.Metrics().MenuColors;
    const QRect bar = widget ? widget->rect() : item.menuRect;
    DrawBackground(painter, bar.isValid() ? bar : item.rect, item.rect);
    const bool enabled = item.state & State_Enabled;
    const bool open = item.state & State_Sunken;
    const bool lit = enabled && (item.state & (State_Selected | State_Sunken));
    QRect r = item.rect;
    ColorRef text = enabled ? colours[menucolors::TopFont] : kDisabledText;
    if (lit) {
        FillRectColor(painter, r, colours[menucolors::TopSelected]);
        FrameRectColor(painter, r, colours[menucolors::TopSelectedBorder]);
        text = colours[menucolors::TopSelectedFont];
    }
    const bool image = !item.icon.isNull() && !item.text.isEmpty();
    if (image) r.setLeft(r.left() + kImageSize);
    r.setTop(r.top() + 2);
    painter.setFont(skin_.Menus().Font);
    painter.setPen(ToQColor(text));
    painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, item.text);
    if (image) {
        // A pressed item's image sits two pixels further left than a lit or plain one.
        const int x = r.left() - kImageSize + (lit && open ? 0 : 2);
        const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
        ExactPainting exact(painter);
        painter.drawPixmap(QPoint(x, r.top() + 2), item.icon.pixmap(kImageSize, mode));
    }
}

void SkinMenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element == CE_MenuBarEmptyArea) {
        DrawBackground(*painter, option->rect, option->rect);
        return;
    }
    if (element == CE_MenuBarItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            DrawItem(*painter, *item, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SkinMenuBarStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelMenuBar) {
        DrawBackground(*painter, option->rect, option->rect);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize SkinMenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                         const QSize& size, const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type != CT_MenuBarItem) return result;
    // Qt's bar shows an item's image only without a caption; here it goes left of the caption.
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item && !item->icon.isNull() && !item->text.isEmpty()) {
        result.rwidth() += kImageSize + 2;
    }
    return result;
}

int SkinMenuBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                  const QWidget* widget) const {
    if (metric == PM_MenuBarPanelWidth) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace skin
