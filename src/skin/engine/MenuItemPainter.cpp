#include "skin/engine/MenuItemPainter.h"

#include <QIcon>
#include <algorithm>

#include "skin/draw/Blit.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"
#include "skin/values/SkinMetrics.h"

namespace skin {
namespace {

using namespace menuitem;

// Qt hands the item's text as "caption\tshortcut".
struct ItemTexts {
    QString Caption;
    QString Shortcut;
};

ItemTexts SplitText(const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0) return {text, {}};
    return {text.left(tab), text.mid(tab + 1)};
}

QString WithoutMnemonics(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}

// Where the parts of an item go; right-to-left items are the mirror image.
class ItemLayout {
public:
    ItemLayout(const QRect& rect, bool rtl) : rect_(rect), rtl_(rtl) {}

    QRect Bar() const { return Mirrored(RectLTRB(L(), T(), L() + kLeftBarWidth, B())); }
    QRect Area() const { return Mirrored(RectLTRB(L() + kLeftBarWidth, T(), R(), B())); }
    QRect Caption() const { return Mirrored(RectLTRB(L() + kTextLeft, T(), R(), B())); }
    QRect Shortcut(int width) const {
        return Mirrored(RectLTRB(R() - width - kShortcutRight, T(), R(), B()));
    }
    QPoint Image() const {
        return Mirrored(QRect(L() + 4, T() + 3, kImageSize, kImageSize)).topLeft();
    }
    QRect ImageBox() const { return Mirrored(RectLTRB(L() + 2, T() + 1, L() + 21, T() + 20)); }
    int TextAlignment() const { return rtl_ ? Qt::AlignRight : Qt::AlignLeft; }
    QPoint ArrowTip() const {
        const int y = T() + rect_.height() / 2;
        return rtl_ ? QPoint(L() + 8, y) : QPoint(R() - 8, y);
    }
    bool Rtl() const { return rtl_; }

private:
    int L() const { return rect_.x(); }
    int T() const { return rect_.y(); }
    int R() const { return RightOf(rect_); }
    int B() const { return BottomOf(rect_); }
    QRect Mirrored(const QRect& r) const {
        if (!rtl_) return r;
        return QRect(L() + R() - RightOf(r), r.y(), r.width(), r.height());
    }

    QRect rect_;
    bool rtl_;
};

ColorRef Colour(const MenuLook& look, int index) { return look.Colors[size_t(index)]; }

void PaintBar(QPainter& painter, const QRect& bar, const MenuLook& look) {
    const ColorRef start = Colour(look, menucolors::LeftBarStart);
    const ColorRef end = Colour(look, menucolors::LeftBarEnd);
    if (start == end) {
        FillRectColor(painter, bar, start);
    } else {
        FillGradientHorz(painter, bar, start, end);
    }
}

void PaintBackground(QPainter& painter, const ItemLayout& layout, const QRect& rect,
                     const MenuLook& look, bool selectedLook) {
    if (selectedLook) {
        FillRectColor(painter, rect, Colour(look, menucolors::Selected));
        FrameRectColor(painter, rect, Colour(look, menucolors::SelectedBorder));
        return;
    }
    PaintBar(painter, layout.Bar(), look);
    FillRectColor(painter, layout.Area(), Colour(look, menucolors::Item));
}

QPixmap ImagePixmap(const QIcon& icon, bool enabled) {
    return icon.pixmap(QSize(kImageSize, kImageSize), enabled ? QIcon::Normal : QIcon::Disabled);
}

void PaintCheck(QPainter& painter, const QStyleOptionMenuItem& option, const ItemLayout& layout,
                const MenuLook& look, bool enabled) {
    if (option.checkType == QStyleOptionMenuItem::NotCheckable || !option.checked) return;
    if (option.icon.isNull()) {
        ExactPainting exact(painter);
        painter.drawPixmap(layout.Image(),
                           ImagePixmap(QIcon(QPixmap::fromImage(look.CheckMark)), enabled));
        return;
    }
    // An image that is checked sits on a framed box.
    const QRect box = layout.ImageBox();
    FillRectColor(painter, box, 0);
    FillRectColor(painter, box.adjusted(1, 1, -1, -1), Colour(look, menucolors::Item));
}

void PaintSubmenuArrow(QPainter& painter, const ItemLayout& layout, const QColor& colour) {
    const QPoint tip = layout.ArrowTip();
    const int dx = layout.Rtl() ? 3 : -3;
    ExactPainting exact(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QPoint points[] = {tip, tip + QPoint(dx, -3), tip + QPoint(dx, 3)};
    painter.drawPolygon(points, 3);
}

void PaintTexts(QPainter& painter, const QStyleOptionMenuItem& option, const ItemLayout& layout,
                const MenuLook& look, const QColor& colour) {
    QFont font = look.Font;
    if (option.menuItemType == QStyleOptionMenuItem::DefaultItem) font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    const ItemTexts texts = SplitText(option.text);
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(layout.Caption(), flags | Qt::TextShowMnemonic | layout.TextAlignment(),
                     texts.Caption);
    if (!texts.Shortcut.isEmpty()) {
        const int width = QFontMetrics(font).horizontalAdvance(texts.Shortcut);
        painter.drawText(layout.Shortcut(width), flags | Qt::AlignLeft, texts.Shortcut);
    }
}

}  // namespace

QSize MeasureMenuItem(const QStyleOptionMenuItem& option, const MenuLook& look) {
    const QFontMetrics metrics(look.Font);
    const ItemTexts texts = SplitText(option.text);
    const int width = metrics.horizontalAdvance(WithoutMnemonics(texts.Caption)) +
                      metrics.horizontalAdvance(texts.Shortcut) + kExtraWidth;
    if (option.menuItemType == QStyleOptionMenuItem::Separator) {
        return QSize(width, kSeparatorHeight);
    }
    return QSize(width, std::max(metrics.height(), kMinHeight));
}

void DrawMenuItem(QPainter& painter, const QStyleOptionMenuItem& option, const MenuLook& look) {
    const ItemLayout layout(option.rect, option.direction == Qt::RightToLeft);
    if (option.menuItemType == QStyleOptionMenuItem::Separator) {
        PaintBackground(painter, layout, option.rect, look, false);
        DrawMenuSeparator(painter, option.rect, kSeparatorLine, !layout.Rtl(), kLeftBarWidth);
        return;
    }
    const bool enabled = option.state & QStyle::State_Enabled;
    const bool selected = enabled && (option.state & QStyle::State_Selected);
    PaintBackground(painter, layout, option.rect, look, selected);
    const ColorRef text = !enabled   ? kDisabledText
                          : selected ? Colour(look, menucolors::SelectedFont)
                                     : Colour(look, menucolors::ItemFont);
    PaintTexts(painter, option, layout, look, ToQColor(text));
    PaintCheck(painter, option, layout, look, enabled);
    if (!option.icon.isNull()) {
        ExactPainting exact(painter);
        painter.drawPixmap(layout.Image(), ImagePixmap(option.icon, enabled));
    }
    if (option.menuItemType == QStyleOptionMenuItem::SubMenu) {
        PaintSubmenuArrow(painter, layout, ToQColor(text));
    }
}

}  // namespace skin
