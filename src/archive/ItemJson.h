#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "archive/ArchiveItem.h"

namespace plivant {

// An item as one line of JSON (no line end): "server", "id", "language", "time", "date",
// "important", "attachment", "text" and "full_text" (null when there is none).
std::string ItemToJson(const ArchiveItem& item);

struct ParsedItem {
    std::optional<ArchiveItem> Item;
    std::string Error;  // why the line is not an item, when it is not
};

// Reads a line that ItemToJson wrote, or one like it. Anything else is refused with a reason:
// a missing or mistyped field, an empty server or id, a text longer than the wire allows.
ParsedItem ItemFromJson(std::string_view line);

}  // namespace plivant
