#include <gtest/gtest.h>

#include "ArchiveFixture.h"
#include "archive/ItemJson.h"

namespace plivant::test {
namespace {

TEST(ItemJson, RoundTrip) {
    ArchiveItem item = Flagged(
        Item("104233", "Евро \"в кавычках\" \\ растёт", "01.02.2026", "12:00:00 ", 1), true, true);
    item.Key.Server = "news1.example.net";
    for (std::optional<std::string> fullText :
         {std::optional<std::string>(), std::optional<std::string>("строка\r\nвторая\tтаб")}) {
        item.FullText = fullText;
        const std::string line = ItemToJson(item);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        ParsedItem parsed = ItemFromJson(line);
        ASSERT_TRUE(parsed.Item) << parsed.Error;
        const ArchiveItem& back = *parsed.Item;
        EXPECT_EQ(back.Key.Server, item.Key.Server);
        EXPECT_EQ(back.Key.Id, item.Key.Id);
        EXPECT_EQ(back.Key.Language, 1);
        EXPECT_EQ(back.Time, item.Time);
        EXPECT_EQ(back.Date, item.Date);
        EXPECT_TRUE(back.Important);
        EXPECT_TRUE(back.Attachment);
        EXPECT_EQ(back.Text, item.Text);
        EXPECT_EQ(back.FullText, fullText);
    }
}

TEST(ItemJson, RefusesWhatIsNotAnItem) {
    const std::string good =
        R"({"server":"s","id":"1","language":0,"time":"12:00:00 ","date":"01.02.2026",)"
        R"("important":false,"attachment":false,"text":"t")";
    struct Case {
        std::string Line;
        const char* Why;
    };
    const Case cases[] = {
        {"", "not JSON"},
        {"[1,2]", "not a JSON object"},
        {"{\"server\":", "not JSON"},
        {R"({"id":"1"})", "server: not a string"},
        {R"({"server":"","id":"1"})", "server: empty"},
        {good + R"(,"language":1.5})", "language: not a whole number"},
        {R"({"server":"s","id":"1","language":"0"})", "language: not a whole number"},
        {good + R"(,"important":1})", "important: not true or false"},
        {good + R"(,"text":")" + std::string(10001, 'x') + "\"}", "text: too long"},
        {good + R"(,"full_text":5})", "full_text: not a string"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Line.substr(0, 80));
        ParsedItem parsed = ItemFromJson(c.Line);
        EXPECT_FALSE(parsed.Item);
        EXPECT_EQ(parsed.Error.substr(0, std::string(c.Why).size()), c.Why);
    }
    EXPECT_TRUE(ItemFromJson(good + "}").Item);
    EXPECT_TRUE(ItemFromJson(good + R"(,"full_text":null})").Item);
}

}  // namespace
}  // namespace plivant::test
