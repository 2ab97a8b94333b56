#include "services/HeadlineText.h"

namespace plivant {

std::vector<std::string> SplitHeadlineLines(std::string_view body) {
    body = body.substr(0, body.find('\0'));
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < body.size()) {
        size_t end = body.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(body.substr(start));
            break;
        }
        lines.emplace_back(body.substr(start, end - start));
        start = end + (body.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

}  // namespace plivant
