#include "skin/controls/TabPainter.h"

#include <QPainter>
#include <algorithm>

#include "skin/controls/ControlColours.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/BitmapOps.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/ThreePart.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

constexpr int kImageGap = 4;  // between a tab's image and its caption

bool IsAcross(TabSide side) { return side == TabSide::Left || side == TabSide::Right; }

}  // namespace

QImage TabPainter::Compose(const TabScene& scene) const {
    QImage picture(scene.Size, QImage::Format_RGB32);
    if (picture.isNull()) return picture;
    picture.fill(FormColour(skin_));
    QPainter painter(&picture);
    if (scene.Page) DrawPageFrame(painter, *scene.Page);
    const ColorRef mask =
        skin_.GetSkinBool(flags::TabControlTrans) != 0 ? skin_.Metrics().TransColor : ColorRef(-1);
    painter.save();
    // Tabs end where the page begins, as they do where the page is laid out below them.
    QRegion tabs(scene.TabArea);
    if (scene.Page) tabs -= QRegion(*scene.Page);
    painter.setClipRegion(tabs);
    for (const TabItem& tab : scene.Tabs) {
        DrawMasked(painter, tab.Rect.topLeft(),
                   PaintTab(tab, scene.Side, scene.Font, scene.IconSize), mask);
    }
    painter.restore();
    if (scene.LineBase) DrawLine(painter, *scene.LineBase, scene.Side);
    return picture;
}

QImage TabPainter::PaintTab(const TabItem& tab, TabSide side, const QFont& font,
                            const QSize& iconSize) const {
    const QSize size = IsAcross(side) ? tab.Rect.size().transposed() : tab.Rect.size();
    QImage body = TabBody(tab, size);
    if (body.isNull()) return body;
    // A bottom tab is turned before its caption goes on, so that the caption stays upright;
    // tabs at the sides are turned with their captions.
    if (side == TabSide::Bottom) body = Rotated180(Bitmap(body)).Image();
    DrawCaption(body, tab, side, font, iconSize);
    if (side == TabSide::Left) body = RotatedLeft(Bitmap(body)).Image();
    if (side == TabSide::Right) body = RotatedRight(Bitmap(body)).Image();
    return body;
}

// The tab's frame across the whole tab; a tab taller than the frame gets the frame's band
// stretched downwards with its top and bottom thirds kept.
QImage TabPainter::TabBody(const TabItem& tab, const QSize& size) const {
    QImage body(size, QImage::Format_RGB32);
    if (body.isNull()) return body;
    body.fill(FormColour(skin_));
    const TSkinTabRes& pieces = skin_.Resources().Tabs;
    const Bitmap& frame = tab.Selected ? pieces.TabB() : pieces.TabA();  // frames 1 and 2
    if (frame.IsEmpty()) return body;
    {
        QPainter painter(&body);
        DrawThreePart(frame, painter, body.rect(), -1, false);
    }
    if (body.height() > frame.Height() + 1) {
        const Bitmap band(body.copy(0, 0, body.width(), frame.Height()));
        QPainter painter(&body);
        DrawThreePartVertical(band, painter, body.rect(), 0);
    }
    return body;
}

void TabPainter::DrawCaption(QImage& body, const TabItem& tab, TabSide side, const QFont& font,
                             const QSize& iconSize) const {
    const QFontMetrics metrics(font);
    const int flags = Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QSize text = metrics.size(flags, tab.Text);
    const int width = body.width();
    const int height = body.height();
    int left = (width - text.width()) / 2;
    QPainter painter(&body);
    const QPixmap image =
        tab.Icon.isNull()
            ? QPixmap()
            : tab.Icon.pixmap(iconSize, tab.Enabled ? QIcon::Normal : QIcon::Disabled);
    if (!image.isNull()) {
        const QSize shown = image.deviceIndependentSize().toSize();
        const int x = (width - (text.width() + shown.width() + kImageGap)) / 2;
        const int y = std::max((height - std::max(text.height(), shown.height())) / 2,
                               side == TabSide::Bottom ? 1 : 0);
        painter.drawPixmap(QPoint(x, side == TabSide::Bottom ? y : y + 1), image);
        left = x + shown.width() + kImageGap;
    }
    const int colour =
        tab.Selected ? colors::TabControlActiveFontColor : colors::TabControlInactiveFontColor;
    painter.setFont(font);
    painter.setPen(tab.Enabled ? SkinColour(skin_, colour, Qt::black) : ToQColor(kDisabledText));
    painter.drawText(QRect(left, 2, width - left, height - 2),
                     Qt::AlignLeft | Qt::AlignVCenter | flags, tab.Text);
}

void TabPainter::DrawPageFrame(QPainter& painter, const QRect& page) const {
    const ColorRef border = skin_.GetSkinColor(colors::ControlBorderColor);
    FillRectColor(painter, page, FromQColor(FormColour(skin_)));
    if (border >= 0) FrameRectColor(painter, page, border);
}

// The page frame's edge on the tabs' side gives way to the skin's tab line.
void TabPainter::DrawLine(QPainter& painter, const QRect& base, TabSide side) const {
    const TSkinTabRes& pieces = skin_.Resources().Tabs;
    const ColorRef form = FromQColor(FormColour(skin_));
    const int l = base.x();
    const int t = base.y();
    const int r = RightOf(base);
    const int b = BottomOf(base);
    switch (side) {
        case TabSide::Top:
            FillRectColor(painter, RectLTRB(l + 1, t, r - 1, t + 1), form);
            StretchBitmap(pieces.Line(), painter,
                          RectLTRB(l, t - 1, r, t - 1 + pieces.Line().Height()));
            break;
        case TabSide::Bottom:
            FillRectColor(painter, RectLTRB(l + 1, b - 1, r - 1, b), form);
            StretchBitmap(pieces.LineBottom(), painter,
                          RectLTRB(l, b + 1 - pieces.LineBottom().Height(), r, b + 1));
            break;
        case TabSide::Left:
            FillRectColor(painter, RectLTRB(l, t + 1, l + 1, b - 1), form);
            StretchBitmap(pieces.LineLeft(), painter,
                          RectLTRB(l - 1, t, l - 1 + pieces.LineLeft().Width(), b));
            break;
        case TabSide::Right:
            FillRectColor(painter, RectLTRB(r - 1, t + 1, r, b - 1), form);
            StretchBitmap(pieces.LineRight(), painter,
                          RectLTRB(r + 1 - pieces.LineRight().Width(), t, r + 1, b));
            break;
    }
}

}  // namespace skin
