#pragma once

#include <string_view>
#include <vector>

namespace plivant {

// The pieces of `text` between line ends; a line end at the very end starts no further line.
inline std::vector<std::string_view> SplitLines(std::string_view text, std::string_view lineEnd) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(lineEnd, start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + lineEnd.size();
    }
    return lines;
}

}  // namespace plivant
