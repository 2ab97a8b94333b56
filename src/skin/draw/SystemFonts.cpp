#include "skin/draw/SystemFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

namespace skin {

void AssignCaptionFont(QFont& font) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
}

void AssignMenuFont(QFont& font, QColor* textColor) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    font = QApplication::font("QMenu");
    if (textColor) *textColor = QApplication::palette("QMenu").color(QPalette::Text);
}

}  // namespace skin
