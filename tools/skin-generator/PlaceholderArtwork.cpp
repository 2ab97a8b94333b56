#include "PlaceholderArtwork.h"

#include <QPainter>
#include <QPolygon>

#include "skin/data/Bitmap.h"

namespace skin::artwork {
namespace {

const QColor kTransparent = ToQColor(0x00FF00FF);
const QColor kForm = ToQColor(0x00F6E4DA);
const QColor kBorder = ToQColor(0x00A06B4F);
const QColor kTitle = ToQColor(0x00C56A31);
const QColor kTrack = ToQColor(0x00F9F9F9);
constexpr int kCornerRows = 7;  // the title bar rows the window region is cut from

struct Layout {
    const char* Name;
    int Frames;
};

// Elements drawn as several state frames side by side.
constexpr Layout kFramed[] = {
    {"SKIN2_TITLEBUTTONS", 18}, {"SKIN2_BUTTON", 3},
    {"SKIN2_CHECKBOX", 6},      {"SKIN2_CHECKBOXLIST", 4},
    {"SKIN2_RADIOBUTTON", 4},   {"SKIN2_SCROLLBARUPBUTTON", 3},
    {"SKIN2_TABCONTROL", 2},    {"SKIN2_SCROLLBARDOWNBUTTON", 3},
    {"SKIN2_SCROLLBUTTON", 4},
};

int FrameCount(const QString& name) {
    for (const Layout& layout : kFramed) {
        if (name == QLatin1String(layout.Name)) return layout.Frames;
    }
    return 1;
}

// Title bar: a blue band whose outer top corners are rounded off in the transparent colour.
void DrawTitle(QPainter& p, const QString& name, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), kTitle);
    p.fillRect(0, size.height() - 4, size.width(), 4, kTitle.lighter(130));
    const bool left = name.endsWith('1'), right = name.endsWith('3');
    for (int y = 0; y < kCornerRows; ++y) {
        const int cut = kCornerRows - 1 - y;  // a diagonal corner, widest at the top row
        if (left) p.fillRect(0, y, cut, 1, kTransparent);
        if (right) p.fillRect(size.width() - cut, y, cut, 1, kTransparent);
    }
}

void DrawArrow(QPainter& p, const QRect& r, bool up) {
    const QPoint c = r.center();
    const int d = up ? -2 : 2;
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygon({c + QPoint(-3, -d), c + QPoint(3, -d), c + QPoint(0, d)}));
}

void DrawFrame(QPainter& p, const QString& name, const QRect& r, int frame) {
    const bool round = name == QLatin1String("SKIN2_RADIOBUTTON");
    if (round) p.fillRect(r, kTransparent);
    p.setPen(kBorder);
    p.setBrush(frame == 0 ? kForm : kForm.darker(100 + 8 * frame));
    const QRect inner = r.adjusted(0, 0, -1, -1);
    if (round) {
        p.drawEllipse(inner);
    } else {
        p.drawRect(inner);
    }
    if (name.startsWith(QLatin1String("SKIN2_SCROLLBAR")) &&
        name.endsWith(QLatin1String("BUTTON"))) {
        DrawArrow(p, r, name.contains(QLatin1String("UP")));
    }
}

}  // namespace

QImage DrawElement(const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB888);
    image.fill(kForm);
    QPainter p(&image);
    if (name.startsWith(QLatin1String("SKIN2_TITLEBAR"))) {
        DrawTitle(p, name, size);
    } else if (name.contains(QLatin1String("BORDER")) || name.startsWith("SKIN2_SIDECHANNEL")) {
        p.fillRect(image.rect(), kBorder);
    } else if (name == QLatin1String("SKIN2_TRACKBAR")) {
        // The reader paints the channel's transparent ends in the form colour.
        p.fillRect(image.rect(), kTransparent);
        p.fillRect(image.rect().adjusted(1, 1, -1, -1), kTrack);
    } else {
        const int frames = FrameCount(name);
        const int width = size.width() / frames;
        for (int i = 0; i < frames; ++i)
            DrawFrame(p, name, QRect(i * width, 0, width, size.height()), i);
    }
    p.end();
    return image;
}

}  // namespace skin::artwork
