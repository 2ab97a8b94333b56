#include <gtest/gtest.h>

#include "feed/Protocol.h"

namespace plivant {
namespace {

struct ClassifyCase {
    std::string line;
    LineKind kind;
};

TEST(ClassifyLine, FollowsTheRulesInOrder) {
    const ClassifyCase cases[] = {
        {"", LineKind::AckLine},
        {".", LineKind::AckLine},
        {"OK", LineKind::AckLine},
        {" OK", LineKind::ServiceLine},
        {"ok", LineKind::ServiceLine},
        {"ABCD", LineKind::ServiceLine},
        {"ABCDE", LineKind::NewsLine},
        {"  ABCD  ", LineKind::ServiceLine},
        {"\t\x01"
         "ABCD\r",
         LineKind::ServiceLine},
        {" ABCDE", LineKind::NewsLine},
        {"..", LineKind::ServiceLine},
        {"OK.", LineKind::ServiceLine},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyLine(c.line), c.kind) << '"' << c.line << '"';
}

TEST(ParseNewsLine, CutsFixedColumns) {
    NewsRecord r = ParseNewsLine("NEWS104233 14:32:05 09.12.2026 1 0 EUR/USD rises");
    EXPECT_EQ(r.Id, "104233");
    EXPECT_EQ(r.Time, "14:32:05 ");
    EXPECT_EQ(r.Date, "09.12.2026");
    EXPECT_EQ(r.Important, "1");
    EXPECT_EQ(r.Attachment, "0");
    EXPECT_EQ(r.Text, "EUR/USD rises");
    EXPECT_TRUE(r.IsImportant());
    EXPECT_FALSE(r.HasAttachment());
    EXPECT_EQ(r.RowText(), "14:32:05  EUR/USD rises");
}

TEST(ParseNewsLine, ShortLinesAndLeadingBlanks) {
    NewsRecord ten = ParseNewsLine("ABCD123456");
    EXPECT_EQ(ten.Id, "123456");
    EXPECT_EQ(ten.Time + ten.Date + ten.Important + ten.Attachment + ten.Text, "");

    NewsRecord partial = ParseNewsLine("ABCD123456 12:00");
    EXPECT_EQ(partial.Time, "12:00");
    EXPECT_EQ(partial.Date, "");

    // Blanks in front are part of the prefix and the columns.
    NewsRecord blanks = ParseNewsLine("  ABCD123456 12:00:00 01.02.2026 1 1 x");
    EXPECT_EQ(blanks.Id, "CD1234");
    EXPECT_EQ(blanks.Important, "6");
    EXPECT_FALSE(blanks.IsImportant());
}

TEST(ParseNewsLine, FlagsAreSetOnlyByOne) {
    const std::pair<std::string, bool> flags[] = {{"1", true}, {"0", false}, {" ", false}};
    for (const auto& [flag, set] : flags) {
        std::string line = "NEWS000001 12:00:00 01.02.2026 " + flag + " " + flag + " text";
        NewsRecord r = ParseNewsLine(line);
        EXPECT_EQ(r.IsImportant(), set) << flag;
        EXPECT_EQ(r.HasAttachment(), set) << flag;
    }
    EXPECT_FALSE(ParseNewsLine("NEWS000001 12:00:00 01.02.2026").IsImportant());
}

TEST(ParseNewsLine, TextIsCutAtTenThousand) {
    std::string line = "NEWS000001 12:00:00 01.02.2026 0 0 " + std::string(10050, 'x');
    EXPECT_EQ(ParseNewsLine(line).Text.size(), kMaxNewsText);
}

TEST(Commands, Texts) {
    EXPECT_EQ(commands::kUser, "USER anonymous 952");
    EXPECT_EQ(commands::Language(0), "OPT language=rus");
    EXPECT_EQ(commands::Language(1), "OPT language=eng");
    EXPECT_FALSE(commands::Language(2));
    EXPECT_FALSE(commands::Language(-1));
    EXPECT_EQ(commands::History(*ParseNewsCount("020")), "HISN 20");
    EXPECT_EQ(commands::Details("104233"), "GET 0001104233");
}

TEST(ParseNewsCount, AcceptsDecimalNumbersOnly) {
    const std::pair<std::string, std::optional<int>> cases[] = {
        {"100", 100},
        {"020", 20},
        {"-4", -4},
        {"+7", 7},
        {"0", 0},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12x", std::nullopt},
        {" 12", std::nullopt},
        {"+-1", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseNewsCount(text), value) << text;
}

}  // namespace
}  // namespace plivant
