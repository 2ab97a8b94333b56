// The controls of the mock window, each painted the way its skinner paints it.
#include <QFont>
#include <QPainter>

#include "Preview.h"
#include "skin/draw/BitmapOps.h"
#include "skin/draw/Blit.h"
#include "skin/draw/CornerStretched.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/ThreePart.h"

namespace skin::artwork::preview {
namespace {

void PaintPushButton(QPainter& painter, const QRect& rect, int frame, const QString& caption,
                     bool focused) {
    QImage face(rect.size(), QImage::Format_RGB32);
    QPainter on(&face);
    FillRectColor(on, face.rect(), kFormColor);
    DrawCornerStretched(FrameOf(SkinBitmap("SKIN2_BUTTON"), 3, frame), on, face.rect(), kTransColor,
                        false);
    if (focused) {
        on.setPen(QPen(QColor(60, 60, 60), 1, Qt::DotLine));
        on.drawRect(face.rect().adjusted(5, 5, -6, -6));
    }
    on.setFont(PreviewFont());
    on.setPen(Qt::black);
    on.drawText(face.rect().translated(frame == 3 ? 1 : 0, frame == 3 ? 1 : 0), Qt::AlignCenter,
                caption);
    on.end();
    painter.drawImage(rect.topLeft(), face);
}

void PaintGlyph(QPainter& painter, QPoint at, const char* element, int frames, int frame,
                bool transparent, const QString& label) {
    Bitmap glyph = FrameOf(SkinBitmap(element), frames, frame);
    glyph.SetTransparent(transparent);
    DrawBitmap(painter, at, glyph);
    painter.setFont(PreviewFont());
    painter.setPen(Qt::black);
    painter.drawText(at.x() + glyph.Width() + 5, at.y() + 12, label);
}

QImage Tab(QSize size, bool selected, const QString& caption) {
    QImage tab(size, QImage::Format_RGB32);
    QPainter on(&tab);
    const Bitmap frame = FrameOf(SkinBitmap("SKIN2_TABCONTROL"), 2, selected ? 1 : 2);
    DrawThreePart(frame, on, tab.rect(), kTransColor, false);
    if (size.height() > frame.Height() + 1) {
        const Bitmap band(tab.copy(0, 0, size.width(), frame.Height()));
        DrawThreePartVertical(band, on, tab.rect(), 0);
    }
    on.setFont(PreviewFont());
    on.setPen(Qt::black);
    const int textWidth = on.fontMetrics().horizontalAdvance(caption);
    on.drawText(QRect((size.width() - textWidth) / 2, 2, size.width(), size.height() - 2),
                Qt::AlignLeft | Qt::AlignVCenter, caption);
    return tab;
}

void PaintTabControl(QPainter& painter, const QRect& rect) {
    const QRect page = RectLTRB(rect.x(), rect.y() + 22, RightOf(rect), BottomOf(rect));
    painter.setPen(QColor(79, 107, 160));
    painter.setBrush(QColor(218, 228, 246));
    painter.drawRect(page.adjusted(0, 0, -1, -1));
    painter.drawImage(rect.x() + 2, rect.y() + 4,
                      Tab(QSize(74, 18), false, QString::fromUtf8("Сервер")));
    painter.drawImage(rect.x() + 76 + 2, rect.y() + 4,
                      Tab(QSize(74, 18), false, QString::fromUtf8("Язык")));
    painter.drawImage(rect.x(), rect.y() + 1,
                      Tab(QSize(78, 22), true, QString::fromUtf8("Новости")));
    // The tab line over the page's top edge.
    FillRectColor(painter, RectLTRB(page.x() + 1, page.y(), RightOf(page) - 1, page.y() + 1),
                  kFormColor);
    StretchBitmap(SkinBitmap("SKIN2_TABCONTROLLINE"), painter,
                  RectLTRB(page.x(), page.y() - 1, RightOf(page), page.y()));
    // Give the selected tab its opening into the page.
    FillRectColor(painter, RectLTRB(rect.x() + 1, page.y() - 1, rect.x() + 77, page.y() + 1),
                  kFormColor);
}

void PaintProgress(QPainter& painter, const QRect& rect, int percent) {
    Bitmap pieces[4];
    for (int i = 0; i < 4; ++i) pieces[i] = SkinBitmap(QString("SKIN2_PROGRESSBAR%1").arg(i + 1));
    const int s = pieces[0].Width(), e = pieces[3].Width();
    const int x0 = rect.x() + s, x1 = RightOf(rect) - e;
    const int filled = x0 + (x1 - x0) * percent / 100;
    const int top = rect.y(), bottom = BottomOf(rect);
    DrawThreePartVertical(pieces[0], painter, RectLTRB(rect.x(), top, x0, bottom), 2);
    DrawThreePartVertical(pieces[1], painter, RectLTRB(x0, top, filled, bottom), 2);
    DrawThreePartVertical(pieces[2], painter, RectLTRB(filled, top, x1, bottom), 2);
    DrawThreePartVertical(pieces[3], painter, RectLTRB(x1, top, RightOf(rect), bottom), 2);
}

void PaintTrackBar(QPainter& painter, const QRect& rect, int thumbX) {
    Bitmap channel = SkinBitmap("SKIN2_TRACKBAR");
    ReplaceColor(channel, kTransColor, kFormColor);  // as the reader does at load
    const int y = rect.y() + (rect.height() - channel.Height()) / 2;
    DrawThreePart(channel, painter, QRect(rect.x(), y, rect.width(), channel.Height()), kTransColor,
                  true);
    Bitmap slider = SkinBitmap("SKIN2_TRACKBARSLIDER");
    slider.SetTransparent(true);
    DrawBitmap(painter, QPoint(thumbX, rect.y() + (rect.height() - slider.Height()) / 2), slider);
    for (int x = rect.x() + 8; x < RightOf(rect) - 4; x += 24)
        FillRectColor(painter, QRect(x, BottomOf(rect) + 1, 1, 3), 0);
}

}  // namespace

void PaintMockControls(QPainter& painter, const QRect& client) {
    const int x = client.x() + 14, y = client.y() + 14;
    PaintMockScrollList(painter, QRect(x, y, 250, 170));
    PaintTabControl(painter, QRect(x + 270, y, 300, 150));
    const int cx = x + 284, cy = y + 36;
    PaintGlyph(painter, {cx, cy}, "SKIN2_CHECKBOX", 6, 1, false,
               QString::fromUtf8("Показывать время"));
    PaintGlyph(painter, {cx, cy + 20}, "SKIN2_CHECKBOX", 6, 3, false,
               QString::fromUtf8("Показывать дату"));
    PaintGlyph(painter, {cx, cy + 40}, "SKIN2_CHECKBOX", 6, 2, false,
               QString::fromUtf8("Частично"));
    PaintGlyph(painter, {cx, cy + 60}, "SKIN2_CHECKBOX", 6, 4, false,
               QString::fromUtf8("Недоступно"));
    PaintGlyph(painter, {cx + 150, cy}, "SKIN2_RADIOBUTTON", 4, 1, true,
               QString::fromUtf8("Русский"));
    PaintGlyph(painter, {cx + 150, cy + 20}, "SKIN2_RADIOBUTTON", 4, 2, true,
               QString::fromUtf8("English"));
    PaintGlyph(painter, {cx + 150, cy + 40}, "SKIN2_RADIOBUTTON", 4, 3, true,
               QString::fromUtf8("Выкл."));
    PaintGlyph(painter, {cx + 150, cy + 60}, "SKIN2_CHECKBOXLIST", 4, 1, false,
               QString::fromUtf8("Список"));
    const int by = y + 190;
    PaintPushButton(painter, QRect(x, by, 75, 25), 1, "OK", true);
    PaintPushButton(painter, QRect(x + 85, by, 75, 25), 2, QString::fromUtf8("Отмена"), false);
    PaintPushButton(painter, QRect(x + 170, by, 90, 25), 3, QString::fromUtf8("Применить"), false);
    PaintPushButton(painter, QRect(x + 270, by - 6, 110, 38), 1, QString::fromUtf8("Высокая"),
                    false);
    PaintProgress(painter, QRect(x, by + 45, 250, 14), 62);
    PaintTrackBar(painter, QRect(x + 270, by + 40, 200, 24), x + 340);
    PaintMockMenu(painter, QPoint(x + 420, by - 40));
}

}  // namespace skin::artwork::preview
