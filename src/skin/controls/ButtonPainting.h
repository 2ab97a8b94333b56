#pragma once

#include <QIcon>
#include <QPixmap>

class QFontMetrics;
class QPainter;

namespace skin {

// What button painters share: glyphs from icons and captions measured as they are drawn.

// The size the icon is drawn at in a box of `size`; empty without an icon.
QSize GlyphSize(const QIcon& icon, const QSize& size);
// The icon's picture in that box, in the mode and state asked for.
QPixmap GlyphPixmap(const QIcon& icon, const QSize& size, QIcon::Mode mode,
                    QIcon::State state = QIcon::Off);
// Disabled-looking for a disabled control.
inline QIcon::Mode GlyphMode(bool enabled) { return enabled ? QIcon::Normal : QIcon::Disabled; }
// Draws the picture at `at` in device-independent pixels.
void DrawGlyph(QPainter& painter, const QPoint& at, const QPixmap& glyph);

// A caption's size as it is drawn: access-key marks take no room; empty for no caption.
QSize CaptionSize(const QFontMetrics& metrics, const QString& caption);

}  // namespace skin
