#pragma once

#include <QFontMetrics>
#include <QString>

namespace skin {

// The text when it fits in `maxWidth`; otherwise its shortest start followed by "..." that is at
// least `maxWidth` wide (so the result may pass the width by up to one character), or the text
// itself when no shorter start reaches that width.
QString EllipsisText(const QFontMetrics& metrics, const QString& text, int maxWidth);

// Replaces `oldText` by `newText`, searching again from the start after each replacement until
// none is left. When `newText` is not shorter than `oldText` repeating might never end, so a
// single left-to-right pass is made instead. An empty `oldText` changes nothing.
QString ReplaceText(const QString& text, const QString& oldText, const QString& newText);

// A caption without its access-key marks: every "&" goes, "&&" included.
QString StripAmpersands(const QString& text);

}  // namespace skin
