#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include "skin/data/Bitmap.h"

namespace skin::artwork::preview {

constexpr ColorRef kTransColor = 0x00FF00FF;
constexpr ColorRef kFormColor = 0x00F6E4DA;
constexpr ColorRef kScrollBarColor = 0x00F9F9F9;
constexpr ColorRef kBorderColor = 0x00A06B4F;

// The text font of the mock-ups.
QFont PreviewFont();

// A picture of the built-in skin as a skin bitmap, transparent colour magenta.
Bitmap SkinBitmap(const QString& name);

// Every picture enlarged `zoom` times, labelled, on one sheet.
QImage ElementSheet(int zoom);

// A window of `size` framed with the skin, cut to its outline and laid on a desktop colour; the
// close button is drawn hot when `closeHot` is set.
QImage MockWindow(QSize size, const QColor& desktop, bool closeHot);
// A minimised window's title.
QImage MockMinimized(const QColor& desktop);

// The controls of the mock window's client area, and a popup menu.
void PaintMockControls(QPainter& painter, const QRect& client);
void PaintMockMenu(QPainter& painter, const QPoint& at);
// A list with a vertical and a horizontal skinned scroll bar.
void PaintMockScrollList(QPainter& painter, const QRect& rect);

}  // namespace skin::artwork::preview
