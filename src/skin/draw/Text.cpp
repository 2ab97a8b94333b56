#include "skin/draw/Text.h"

namespace skin {

QString EllipsisText(const QFontMetrics& metrics, const QString& text, int maxWidth) {
    if (metrics.horizontalAdvance(text) <= maxWidth) return text;
    for (int i = 1; i < text.size(); ++i) {
        const QString shortened = text.left(i) + QStringLiteral("...");
        if (metrics.horizontalAdvance(shortened) >= maxWidth) return shortened;
    }
    return text;
}

QString ReplaceText(const QString& text, const QString& oldText, const QString& newText) {
    QString result = text;
    if (oldText.isEmpty()) return result;
    if (newText.size() >= oldText.size()) return result.replace(oldText, newText);
    // Each replacement shortens the text, so this ends.
    for (qsizetype at = result.indexOf(oldText); at >= 0; at = result.indexOf(oldText))
        result.replace(at, oldText.size(), newText);
    return result;
}

QString StripAmpersands(const QString& text) { return ReplaceText(text, "&", ""); }

}  // namespace skin
