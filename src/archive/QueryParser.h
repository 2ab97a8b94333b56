#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plivant {

// One thing a search asks for: the words of a quoted phrase, matched exactly and next to each
// other, or a typed word, matched as the start of a word. A typed word the index splits
// ("EUR/USD", "1.0850") stays one phrase of its parts, the last of them a prefix.
struct QueryTerm {
    std::vector<std::string> Tokens;  // UTF-8, letters and digits only
    bool Prefix = false;
};

struct SearchFlags {
    bool ImportantOnly = false;
    bool FullTextOnly = false;
};

// Splits what the user typed (UTF-8; bad bytes separate words) into terms. An unclosed quote
// runs to the end of the text and ends in a prefix, as while it is being typed.
std::vector<QueryTerm> ParseQuery(std::string_view text);

// The full-text index's MATCH expression for the terms and flags: every term must occur in the
// headline or the full text; no terms match every item. Each token is quoted, so that nothing
// the user types is read as the index's own syntax.
std::string MatchExpression(const std::vector<QueryTerm>& terms, SearchFlags flags);

}  // namespace plivant
