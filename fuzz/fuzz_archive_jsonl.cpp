// Lines of an archive import: anything is refused with a reason or read as an item, and an item
// read is written back as a line that reads the same.
#include <cstdlib>
#include <string_view>

#include "archive/ItemJson.h"

namespace {

bool Same(const plivant::ArchiveItem& a, const plivant::ArchiveItem& b) {
    return a.Key.Server == b.Key.Server && a.Key.Id == b.Key.Id &&
           a.Key.Language == b.Key.Language && a.Time == b.Time && a.Date == b.Date &&
           a.Important == b.Important && a.Attachment == b.Attachment && a.Text == b.Text &&
           a.FullText == b.FullText;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view line(reinterpret_cast<const char*>(data), size);
    plivant::ParsedItem parsed = plivant::ItemFromJson(line);
    if (!parsed.Item) {
        if (parsed.Error.empty()) std::abort();
        return 0;
    }
    plivant::ParsedItem again = plivant::ItemFromJson(plivant::ItemToJson(*parsed.Item));
    if (!again.Item || !Same(*parsed.Item, *again.Item)) std::abort();
    return 0;
}
