#include "skin/controls/ButtonPainting.h"

#include <QFontMetrics>
#include <QPainter>

namespace skin {

QSize GlyphSize(const QIcon& icon, const QSize& size) {
    if (icon.isNull() || size.isEmpty()) return {};
    return icon.actualSize(size);
}

QPixmap GlyphPixmap(const QIcon& icon, const QSize& size, QIcon::Mode mode, QIcon::State state) {
    if (icon.isNull()) return {};
    return icon.pixmap(GlyphSize(icon, size), mode, state);
}

void DrawGlyph(QPainter& painter, const QPoint& at, const QPixmap& glyph) {
    if (glyph.isNull()) return;
    painter.drawPixmap(QRect(at, glyph.deviceIndependentSize().toSize()), glyph);
}

QSize CaptionSize(const QFontMetrics& metrics, const QString& caption) {
    if (caption.isEmpty()) return {};
    return metrics.size(Qt::TextShowMnemonic, caption);
}

}  // namespace skin
