#include "services/ClockTexts.h"

namespace plivant {

namespace {
constexpr size_t kTimeLength = 5;  // "hh:mm"
constexpr int kMoscowOffset = 3;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string GreenwichTime(std::string_view reply) {
    size_t colon = reply.find(':');
    size_t start = colon == std::string_view::npos || colon < 2 ? 0 : colon - 2;
    return std::string(reply.substr(start, kTimeLength));
}

std::optional<std::string> MoscowTime(std::string_view greenwich) {
    if (greenwich.size() < 2 || !IsDigit(greenwich[0]) || !IsDigit(greenwich[1])) {
        return std::nullopt;
    }
    int hour = (greenwich[0] - '0') * 10 + (greenwich[1] - '0');
    if (hour > 23) return std::nullopt;
    int moscowHour = (hour + kMoscowOffset) % 24;
    std::string text = std::to_string(moscowHour) + std::string(greenwich.substr(2, 3));
    if (text.find(':') == 1) text.insert(0, "0");
    return text;
}

TimeServer ParseTimeServer(std::string_view text) {
    size_t colon = text.find(':');
    // One colon separates a port; a text with more (an IPv6 address) is a host alone.
    if (colon == std::string_view::npos || text.find(':', colon + 1) != std::string_view::npos) {
        return {std::string(text)};
    }
    TimeServer server{std::string(text.substr(0, colon))};
    if (colon + 1 < text.size()) server.Port = std::string(text.substr(colon + 1));
    return server;
}

}  // namespace plivant
