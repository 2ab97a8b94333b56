// A white list with skinned scroll bars, and a skinned popup menu.
#include <QFont>
#include <QPainter>

#include "Preview.h"
#include "skin/draw/BitmapOps.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"

namespace skin::artwork::preview {
namespace {

Bitmap OnBar(Bitmap piece) {
    ReplaceColor(piece, kTransColor, kScrollBarColor);
    return piece;
}

// The thumb cut in five rows as the scroll bar resource cuts it: caps, fillers and grip.
std::vector<Bitmap> ThumbPieces() {
    const Bitmap thumb = SkinBitmap("SKIN2_SCROLLBAR");
    const int h = thumb.Height(), f = (h - 6) / 3;
    const QRect rows[] = {RectLTRB(0, 0, thumb.Width(), 3), RectLTRB(0, 4, thumb.Width(), f + 4),
                          RectLTRB(0, f + 4, thumb.Width(), h - f - 2),
                          RectLTRB(0, h - f - 3, thumb.Width(), h - 3),
                          RectLTRB(0, h - 3, thumb.Width(), h)};
    std::vector<Bitmap> pieces;
    for (const QRect& r : rows) pieces.push_back(OnBar(Bitmap(thumb.Image().copy(r))));
    return pieces;
}

// A vertical bar `breadth` x `length` with its thumb from `thumbTop`, `thumbLength` long.
QImage VerticalBar(int breadth, int length, int thumbTop, int thumbLength) {
    QImage bar(breadth, length, QImage::Format_RGB888);
    QPainter painter(&bar);
    FillRectColor(painter, bar.rect(), kScrollBarColor);
    StretchBitmap(OnBar(FrameOf(SkinBitmap("SKIN2_SCROLLBARUPBUTTON"), 3, 1)), painter,
                  QRect(0, 0, breadth, breadth));
    StretchBitmap(OnBar(FrameOf(SkinBitmap("SKIN2_SCROLLBARDOWNBUTTON"), 3, 1)), painter,
                  QRect(0, length - breadth, breadth, breadth));
    const std::vector<Bitmap> p = ThumbPieces();
    const QRect t(0, thumbTop, breadth, thumbLength);
    const auto whole = [](const Bitmap& b) { return QRect(0, 0, b.Width(), b.Height()); };
    CopyRect(painter, QRect(0, t.y(), breadth, p[0].Height()), p[0].Image(), whole(p[0]));
    CopyRect(painter, RectLTRB(0, BottomOf(t) - p[4].Height(), breadth, BottomOf(t)), p[4].Image(),
             whole(p[4]));
    const int inner = thumbLength - 6, grip = p[2].Height(), o = (inner - grip) / 2;
    CopyRect(painter, QRect(0, t.y() + 3 + o, breadth, grip), p[2].Image(), whole(p[2]));
    StretchBitmap(p[3], painter, RectLTRB(0, t.y() + 3 + o + grip, breadth, BottomOf(t) - 3));
    StretchBitmap(p[1], painter, RectLTRB(0, t.y() + 3, breadth, t.y() + 3 + o));
    return bar;
}

}  // namespace

void PaintMockScrollList(QPainter& painter, const QRect& rect) {
    FillRectColor(painter, rect, 0x00FFFFFF);
    painter.save();
    painter.translate(rect.topLeft());
    FrameWindowBorder(painter, rect.size(), kBorderColor, 0x00FFFFFF, true);
    painter.setFont(PreviewFont());
    const char* lines[] = {"10:42 EUR/USD растёт", "10:40 Банк Японии",     "10:37 Нефть Brent",
                           "10:31 GBP/USD 1.2710", "10:25 Золото дешевеет", "10:20 Индекс доллара",
                           "10:12 ФРС: протокол",  "10:05 Евро стабилен"};
    int y = 4;
    for (const char* line : lines) {
        painter.setPen(y == 4 ? QColor(200, 0, 0) : Qt::black);
        painter.drawText(6, y + 12, QString::fromUtf8(line));
        y += 17;
    }
    const int w = rect.width(), h = rect.height();
    painter.drawImage(w - 18, 2, VerticalBar(16, h - 20, 40, 50));
    painter.drawImage(2, h - 18, RotatedLeft(Bitmap(VerticalBar(16, w - 20, 30, 70))).Image());
    FillRectColor(painter, QRect(w - 18, h - 18, 16, 16), kFormColor);
    painter.restore();
}

void PaintMockMenu(QPainter& painter, const QPoint& at) {
    const int width = 190, itemHeight = 21;
    const struct {
        const char* text;
        bool checked, selected;
    } items[] = {{"Обновить", false, false},
                 {"Время в строке", true, false},
                 {"Свернуть в трей", true, true},
                 {"-", false, false},
                 {"Выход", false, false}};
    Bitmap check = SkinBitmap("SKIN2_CHECKEDMENUICON");
    check.SetTransparent(true);
    int y = at.y() + 1;
    painter.setFont(PreviewFont());
    for (const auto& item : items) {
        const int height = item.text[0] == '-' ? 5 : itemHeight;
        const QRect row(at.x() + 1, y, width - 2, height);
        if (item.selected) {
            FillRectColor(painter, row, 0x00C56A31);
        } else {
            FillRectColor(painter, QRect(row.x(), y, 26, height), 0x00F0EFEE);
            FillRectColor(painter, RectLTRB(row.x() + 26, y, RightOf(row), y + height), 0x00FFFFFF);
        }
        if (height == 5) {
            DrawMenuSeparator(painter, row, 0x00848284, true, 26);
        } else {
            if (item.checked) DrawBitmap(painter, QPoint(row.x() + 4, y + 3), check);
            painter.setPen(item.selected ? Qt::white : Qt::black);
            painter.drawText(QRect(row.x() + 30, y, width, height), Qt::AlignVCenter,
                             QString::fromUtf8(item.text));
        }
        y += height;
    }
    FrameRectColor(painter, RectLTRB(at.x(), at.y(), at.x() + width, y + 1), 0x00848284);
}

}  // namespace skin::artwork::preview
