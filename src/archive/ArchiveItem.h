#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace plivant {

// Who an item is: the server it came from, its id and its language. The same item seen again
// (every history reload repeats the newest ones) has the same key.
struct ItemKey {
    std::string Server;
    std::string Id;
    int Language = 0;  // the feed's language setting: 0 Russian, 1 English
};

// One news item as the archive keeps it. Texts are UTF-8.
struct ArchiveItem {
    ItemKey Key;
    std::string Time;  // as on the wire, "HH:MM:SS" and a blank
    std::string Date;  // "DD.MM.YYYY"
    bool Important = false;
    bool Attachment = false;
    std::string Text;
    // The full text from a details fetch; storing an item with one sets or replaces it.
    std::optional<std::string> FullText;
};

// An item found in the archive, with its place in the archive's order (newest last).
struct ArchivedItem {
    int64_t Order = 0;
    ArchiveItem Item;
    bool HasFullText = false;  // Item.FullText is filled only where it is asked for
};

}  // namespace plivant
