#pragma once

#include <QColor>
#include <QFont>

namespace skin {

// The window system's caption (title bar) font. Without a GUI application the font is left as it
// was.
void AssignCaptionFont(QFont& font);

// The window system's menu font and, when `textColor` is given, its menu text colour. Without a
// widgets application both are left as they were.
void AssignMenuFont(QFont& font, QColor* textColor = nullptr);

}  // namespace skin
