// A window framed the way the skinned frame paints it: title pieces, caption buttons from the
// right edge inwards, borders, a menu bar, then cut to the outline built from the title rows.
#include <QFont>
#include <QPainter>

#include "Preview.h"
#include "skin/draw/BitmapOps.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Fills.h"
#include "skin/draw/FrameRegion.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/ThreePart.h"

namespace skin::artwork::preview {
namespace {

constexpr int kButtonPosX = 29, kButtonPosY = 14, kIconX = 7, kIconY = 14, kCaptionTop = 14;

void PaintIcon(QPainter& painter, int x, int y) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(30, 80, 160));
    painter.setBrush(QColor(70, 140, 225));
    painter.drawEllipse(QRectF(x + 0.5, y + 0.5, 15, 15));
    painter.setPen(QPen(Qt::white, 1.5));
    painter.drawLine(QPointF(x + 4, y + 10), QPointF(x + 8, y + 5));
    painter.drawLine(QPointF(x + 8, y + 5), QPointF(x + 12, y + 9));
    painter.restore();
}

// Close, maximise, minimise from the right, as the frame places them.
void PaintCaptionButtons(QPainter& painter, int right, int y, bool closeHot) {
    const Bitmap strip = SkinBitmap("SKIN2_TITLEBUTTONS");
    const int frame = strip.Width() / 18;
    int x = right - frame;
    for (int normal : {16, 7, 13}) {
        const int index = normal == 16 && closeHot ? 17 : normal;
        DrawBitmap(painter, QPoint(x, y), FrameOf(strip, 18, index));
        x -= frame + 2;
    }
}

QImage Title(int width, bool closeHot) {
    const Bitmap left = SkinBitmap("SKIN2_TITLEBAR1");
    const Bitmap middle = SkinBitmap("SKIN2_TITLEBAR2");
    const Bitmap right = SkinBitmap("SKIN2_TITLEBAR3");
    QImage title(width, left.Height(), QImage::Format_RGB32);
    QPainter painter(&title);
    FillRectColor(painter, title.rect(), kFormColor);
    DrawBitmap(painter, QPoint(0, 0), left);
    DrawBitmap(painter, QPoint(width - right.Width(), 0), right);
    StretchBitmap(middle, painter,
                  RectLTRB(left.Width(), 0, width - right.Width(), middle.Height()));
    PaintIcon(painter, kIconX, kIconY);
    painter.setFont(PreviewFont());
    painter.setPen(Qt::black);
    painter.drawText(QRect(kIconX + 20, kCaptionTop, width, 30), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromUtf8("Vetrasol Plivant 1.0 beta"));
    PaintCaptionButtons(painter, width - kButtonPosX, kButtonPosY, closeHot);
    return title;
}

void PaintMenuBar(QPainter& painter, const QRect& bar) {
    FillRectColor(painter, bar, kFormColor);
    painter.setFont(PreviewFont());
    int x = bar.x() + 8;
    for (const char* item : {"Файл", "Вид", "Настройки", "Справка"}) {
        const QString text = QString::fromUtf8(item);
        if (x == bar.x() + 8) {  // the first one shown selected
            const int w = painter.fontMetrics().horizontalAdvance(text) + 12;
            FillRectColor(painter, QRect(x - 6, bar.y() + 1, w, bar.height() - 2), 0x00C56A31);
            painter.setPen(Qt::white);
        } else {
            painter.setPen(Qt::black);
        }
        painter.drawText(QRect(x, bar.y(), 200, bar.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        x += painter.fontMetrics().horizontalAdvance(text) + 18;
    }
}

QImage Framed(QSize size, bool closeHot, QRect* client) {
    const int w = size.width(), h = size.height();
    QImage window(size, QImage::Format_RGB32);
    QPainter painter(&window);
    FillRectColor(painter, window.rect(), kFormColor);
    const QImage title = Title(w, closeHot);
    painter.drawImage(0, 0, title);
    const Bitmap left = SkinBitmap("SKIN2_FORMLEFTBORDER");
    const Bitmap right = SkinBitmap("SKIN2_FORMRIGHTBORDER");
    const Bitmap bottom = SkinBitmap("SKIN2_FORMBOTTOMBORDER1");
    StretchBitmap(left, painter, RectLTRB(0, title.height(), left.Width(), h - bottom.Height()));
    StretchBitmap(right, painter,
                  RectLTRB(w - right.Width(), title.height(), w, h - bottom.Height()));
    DrawThreePart(bottom, painter, RectLTRB(0, h - bottom.Height(), w, h), kTransColor, false);
    PaintMenuBar(painter,
                 RectLTRB(left.Width(), title.height(), w - right.Width(), title.height() + 20));
    *client = RectLTRB(left.Width(), title.height() + 20, w - right.Width(), h - bottom.Height());
    return window;
}

QImage OnDesktop(const QImage& window, const QImage& title, const QColor& desktop) {
    FrameRegionParts parts;
    parts.Title = title;
    parts.Width = window.width();
    parts.Height = window.height();
    parts.TransColor = kTransColor;
    parts.TitleMinY = 0;
    parts.TitleMaxY = 6;
    parts.TitleRegion = true;
    QImage shown(window.size() + QSize(20, 20), QImage::Format_RGB32);
    shown.fill(desktop);
    QPainter painter(&shown);
    painter.translate(10, 10);
    painter.setClipRegion(ApplyFrameRegion(parts));
    painter.drawImage(0, 0, window);
    return shown;
}

}  // namespace

QImage MockWindow(QSize size, const QColor& desktop, bool closeHot) {
    QRect client;
    QImage window = Framed(size, closeHot, &client);
    {
        QPainter painter(&window);
        PaintMockControls(painter, client);
    }
    return OnDesktop(window, window.copy(0, 0, size.width(), 48), desktop);
}

QImage MockMinimized(const QColor& desktop) {
    const Bitmap title = SkinBitmap("SKIN2_MINIMIZEDTITLE");
    QImage window(160, 27, QImage::Format_RGB32);
    QPainter painter(&window);
    StretchBitmap(title, painter, window.rect());
    PaintIcon(painter, kIconX, 3);
    painter.setFont(PreviewFont());
    painter.setPen(Qt::black);
    painter.drawText(QRect(kIconX + 20, 4, 160, 20), Qt::AlignLeft | Qt::AlignTop, "Plivant");
    PaintCaptionButtons(painter, 160 - 5, 3, false);
    painter.end();
    return OnDesktop(window, window, desktop);
}

}  // namespace skin::artwork::preview
