#include "feed/Protocol.h"

#include <charconv>

namespace plivant {

namespace {

bool IsControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

// 1-based column range of the line after its 4-byte prefix is dropped; columns past the end
// give an empty field, a partly covered one gives what is there.
std::string Column(std::string_view rest, size_t from, size_t width) {
    if (from - 1 >= rest.size()) return {};
    return std::string(rest.substr(from - 1, width));
}

}  // namespace

std::string_view TrimControls(std::string_view text) {
    while (!text.empty() && IsControlOrBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsControlOrBlank(text.back())) text.remove_suffix(1);
    return text;
}

LineKind ClassifyLine(std::string_view line) {
    if (line.empty() || line == "." || line == "OK") return LineKind::AckLine;
    if (TrimControls(line).size() < 5) return LineKind::ServiceLine;
    return LineKind::NewsLine;
}

NewsRecord ParseNewsLine(std::string_view line) {
    std::string_view rest = line.size() > 4 ? line.substr(4) : std::string_view{};
    NewsRecord record;
    record.Id = Column(rest, 1, 6);
    record.Time = Column(rest, 8, 9);
    record.Date = Column(rest, 17, 10);
    record.Important = Column(rest, 28, 1);
    record.Attachment = Column(rest, 30, 1);
    record.Text = Column(rest, 32, kMaxNewsText);
    return record;
}

namespace commands {

std::optional<std::string> Language(int newsLanguage) {
    if (newsLanguage == 0) return std::string(kRussian);
    if (newsLanguage == 1) return std::string("OPT language=eng");
    return std::nullopt;
}

std::string History(int count) { return "HISN " + std::to_string(count); }

std::string Details(std::string_view id) { return "GET 0001" + std::string(id); }

}  // namespace commands

std::optional<int> ParseNewsCount(std::string_view text) {
    // Like the usual string-to-integer conversion: optional sign, decimal digits, nothing else.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace plivant
