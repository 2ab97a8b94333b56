#include <gtest/gtest.h>

#include "feed/LineBuffer.h"

namespace plivant {
namespace {

std::vector<std::string> Drain(LineBuffer& buffer) {
    std::vector<std::string> lines;
    while (auto line = buffer.TakeLine("\r\n")) lines.push_back(*line);
    return lines;
}

TEST(LineBuffer, SplitsLinesAcrossChunks) {
    LineBuffer buffer;
    buffer.Append("one\r\ntw");
    EXPECT_EQ(Drain(buffer), std::vector<std::string>{"one"});
    buffer.Append("o\r");
    EXPECT_TRUE(Drain(buffer).empty());
    buffer.Append("\n\r\nthree\nstill three\r\n");
    EXPECT_EQ(Drain(buffer), (std::vector<std::string>{"two", "", "three\nstill three"}));
    buffer.Append("rest");
    EXPECT_EQ(buffer.TakeRest(), "rest");
    EXPECT_TRUE(buffer.Empty());
}

TEST(LineBuffer, OverlongLineIsCutAndItsTailDropped) {
    LineBuffer buffer(8);
    buffer.Append("0123456789abc");
    EXPECT_EQ(Drain(buffer), std::vector<std::string>{"01234567"});
    buffer.Append("more tail\r");
    EXPECT_TRUE(Drain(buffer).empty());
    buffer.Append("\nnext\r\n");  // the separator straddles two chunks
    EXPECT_EQ(Drain(buffer), std::vector<std::string>{"next"});
}

TEST(LineBuffer, LineOfExactlyTheBoundIsKept) {
    LineBuffer buffer(8);
    buffer.Append("01234567\r\nafter\r\n");
    EXPECT_EQ(Drain(buffer), (std::vector<std::string>{"01234567", "after"}));
    LineBuffer oneByOne(8);
    std::vector<std::string> lines;
    for (char c : std::string("012345678\r\nok\r\n")) {
        oneByOne.Append(std::string(1, c));
        auto got = Drain(oneByOne);
        lines.insert(lines.end(), got.begin(), got.end());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"01234567", "ok"}));
}

}  // namespace
}  // namespace plivant
