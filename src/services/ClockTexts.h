#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plivant {

// The time texts of a daytime reply. The reply holds the Greenwich time of day as two-digit
// hour, colon, two-digit minute, with no colon before it; the rest of it is ignored.

// At most five characters from two before the first colon (from the start when the colon comes
// earlier or there is none); empty for an empty reply.
std::string GreenwichTime(std::string_view reply);

// Moscow time is Greenwich time plus three hours, all year: "21:30" gives "00:30". Nothing when
// the first two characters are not an hour from 00 to 23.
std::optional<std::string> MoscowTime(std::string_view greenwich);

// A daytime server as "host" or "host:port"; the port is 13 unless given.
struct TimeServer {
    std::string Host;
    std::string Port = "13";
};
TimeServer ParseTimeServer(std::string_view text);

}  // namespace plivant
