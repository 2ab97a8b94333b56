#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <cstdint>

namespace plivant {

// The grid's and the memos' background, red 237, green 244, blue 252.
inline constexpr uint32_t kNewsBackground = 16577773;

// A colour value 0x00BBGGRR as Qt's colour.
inline QColor FromColorRef(uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// Gives a label or control its own text colour (through the palette, so that a skin can take
// it over and give it back).
inline void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

// Gives a text box the news background.
inline void SetNewsBackground(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, FromColorRef(kNewsBackground));
    palette.setColor(QPalette::Window, FromColorRef(kNewsBackground));
    widget->setPalette(palette);
}

}  // namespace plivant
