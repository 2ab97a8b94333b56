#include "CsvLine.h"

#include <initializer_list>

namespace archivetool {

namespace {

std::string Field(const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string Join(std::initializer_list<std::string> fields) {
    std::string line;
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) line += ',';
        line += Field(field);
        first = false;
    }
    return line;
}

}  // namespace

std::string CsvHeader() {
    return Join({"server", "id", "language", "date", "time", "important", "attachment", "text",
                 "full_text"});
}

std::string CsvLine(const plivant::ArchiveItem& item) {
    return Join({item.Key.Server, item.Key.Id, std::to_string(item.Key.Language), item.Date,
                 item.Time, item.Important ? "1" : "0", item.Attachment ? "1" : "0", item.Text,
                 item.FullText.value_or("")});
}

}  // namespace archivetool
