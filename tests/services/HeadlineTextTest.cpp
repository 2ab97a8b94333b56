#include <gtest/gtest.h>

#include "services/HeadlineText.h"

namespace plivant::test {
namespace {

using Lines = std::vector<std::string>;

TEST(HeadlineText, LinesEndAtCrLfLoneCrOrLoneLf) {
    using namespace std::string_literals;
    struct Case {
        std::string body;
        Lines lines;
    };
    const Case cases[] = {
        {"news\r\nhttp://a/\r\n", {"news", "http://a/"}},
        {"news\nhttp://a/\n", {"news", "http://a/"}},
        {"news\rhttp://a/", {"news", "http://a/"}},
        {"one\r\ntwo\r\nthree\r\n", {"one", "two", "three"}},
        {"one\n\rtwo", {"one", "", "two"}},
        {"one\r\n\r\ntwo", {"one", "", "two"}},
        {"only", {"only"}},
        {"\r\n", {""}},
        {"", {}},
        // The text ends at the first NUL.
        {"news\0http://a/\r\n"s, {"news"}},
        {"\0news"s, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitHeadlineLines(c.body), c.lines) << testing::PrintToString(c.body);
    }
}

}  // namespace
}  // namespace plivant::test
