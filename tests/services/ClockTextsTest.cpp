#include <gtest/gtest.h>

#include "services/ClockTexts.h"

namespace plivant::test {
namespace {

struct TimeCase {
    const char* reply;
    const char* greenwich;
    const char* moscow;  // null: not a time, the pass shows nothing
};

TEST(ClockTexts, GreenwichAndMoscowTimeFromTheReply) {
    const TimeCase cases[] = {
        // A date, then the time: the cut starts two characters before the first colon.
        {"55191 09-12-26 21:30:05 00 0 0 150.0 UTC(NIST) *", "21:30", "00:30"},
        {"\n55191 09-12-26 21:30:05 00 0 0 150.0 UTC(NIST) *\n", "21:30", "00:30"},
        {"Sat Dec 26 06:07:44 UTC 2009", "06:07", "09:07"},
        {"00:00", "00:00", "03:00"},
        {"23:59:59", "23:59", "02:59"},
        {"12:15", "12:15", "15:15"},
        {"22:00", "22:00", "01:00"},
        {"21:3", "21:3", "00:3"},
        // Nothing before the colon to make an hour from.
        {":30:00", ":30:0", nullptr},
        {"1:30:00", "1:30:", nullptr},
        {"ab:cd", "ab:cd", nullptr},
        {"no colon at all", "no co", nullptr},
        {"99:00", "99:00", nullptr},
        {"x", "x", nullptr},
    };
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.reply);
        std::string greenwich = GreenwichTime(c.reply);
        EXPECT_EQ(greenwich, c.greenwich);
        std::optional<std::string> moscow = MoscowTime(greenwich);
        if (c.moscow) {
            EXPECT_EQ(moscow, std::optional<std::string>(c.moscow));
        } else {
            EXPECT_EQ(moscow, std::nullopt);
        }
    }
    EXPECT_EQ(GreenwichTime(""), "");
}

TEST(ClockTexts, EveryGreenwichHourGivesAMoscowHour) {
    for (int hour = 0; hour < 24; ++hour) {
        char greenwich[6];
        std::snprintf(greenwich, sizeof greenwich, "%02d:45", hour);
        char moscow[6];
        std::snprintf(moscow, sizeof moscow, "%02d:45", (hour + 3) % 24);
        EXPECT_EQ(MoscowTime(greenwich), std::optional<std::string>(moscow)) << greenwich;
    }
}

TEST(ClockTexts, TimeServerWithAndWithoutPort) {
    struct Case {
        const char* text;
        const char* host;
        const char* port;
    };
    const Case cases[] = {
        {"time.nist.gov", "time.nist.gov", "13"},
        {"127.0.0.1:2013", "127.0.0.1", "2013"},
        {"localhost:daytime", "localhost", "daytime"},
        {"host:", "host", "13"},
        {"::1", "::1", "13"},
    };
    for (const Case& c : cases) {
        TimeServer server = ParseTimeServer(c.text);
        EXPECT_EQ(server.Host, c.host) << c.text;
        EXPECT_EQ(server.Port, c.port) << c.text;
    }
}

}  // namespace
}  // namespace plivant::test
