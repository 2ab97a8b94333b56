#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "skin/draw/Text.h"

namespace skin {
namespace {

QFontMetrics FixedMetrics() {
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(10);
    font.setHintingPreference(QFont::PreferFullHinting);
    return QFontMetrics(font);
}

TEST(EllipsisText, ShortensToTheFirstStartThatReachesTheWidth) {
    const QFontMetrics metrics = FixedMetrics();
    const int c = metrics.horizontalAdvance("W");
    ASSERT_GT(c, 0);
    ASSERT_EQ(metrics.horizontalAdvance("Abcdef"), 6 * c) << "the test needs a fixed-pitch font";
    const struct {
        QString text;
        int width;
        QString expected;
    } cases[] = {
        {"Abcdef", 6 * c, "Abcdef"},          // fits exactly
        {"Abcdef", 100 * c, "Abcdef"},        // fits easily
        {"Abcdef", 5 * c + c / 2, "Abc..."},  // between "Ab..." and "Abc...": one char over
        {"Abcdef", 5 * c, "Ab..."},           // "Ab..." reaches the width exactly
        {"Abcdef", 1, "A..."},                // nothing fits: still one character
        {"Abcdef", 6 * c - 1, "Abc..."},      // "Abc..." is as wide as the text itself
        {"Ab", 1, "A..."},                    //
        {"A", 0, "A"},                        // no shorter start to try
        {"", 0, ""},
    };
    for (const auto& k : cases)
        EXPECT_EQ(EllipsisText(metrics, k.text, k.width), k.expected)
            << k.text.toStdString() << " in " << k.width;
}

TEST(ReplaceText, RepeatsFromTheStartUntilNoneIsLeft) {
    const struct {
        QString text, oldText, newText, expected;
    } cases[] = {
        {"&File", "&", "", "File"},   {"Save && &Quit", "&", "", "Save  Quit"},
        {"&&&", "&&", "&", "&"},       // repeated: "&&&" -> "&&" -> "&"
        {"aaab", "ab", "b", "b"},      // each replacement makes a new match
        {"a-b-c", "-", "+", "a+b+c"},  // same length: one pass
        {"ab", "a", "aa", "aab"},      // the new text holds the old one: one pass, no hang
        {"abc", "", "x", "abc"},       // nothing to look for
        {"abc", "z", "", "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceText(c.text, c.oldText, c.newText), c.expected) << c.text.toStdString();
    EXPECT_EQ(StripAmpersands("&&E&xit&"), "Exit");
}

}  // namespace
}  // namespace skin
