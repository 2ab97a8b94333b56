#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plivant {

// The lines of the headline file: line 1 is the headline, line 2 the address a click on the
// banner opens. Lines end at CR LF, a lone CR or a lone LF; the text ends at the first NUL. An
// ending after the last line adds no empty line.
std::vector<std::string> SplitHeadlineLines(std::string_view body);

}  // namespace plivant
