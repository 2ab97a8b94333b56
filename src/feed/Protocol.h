#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plivant {

// Every line in both directions ends with CR LF.
inline constexpr std::string_view kCrLf = "\r\n";

enum class LineKind { AckLine, ServiceLine, NewsLine };

// One news line cut by fixed columns. Fields hold the bytes as received.
struct NewsRecord {
    std::string Id;          // 6 characters
    std::string Time;        // 9
    std::string Date;        // 10
    std::string Important;   // 1; set exactly when "1"
    std::string Attachment;  // 1; set exactly when "1"
    std::string Text;        // at most 10000

    bool IsImportant() const { return Important == "1"; }
    bool HasAttachment() const { return Attachment == "1"; }
    // What the grid shows for the item: Time, one blank, Text.
    std::string RowText() const { return Time + ' ' + Text; }
};

inline constexpr size_t kMaxNewsText = 10000;

LineKind ClassifyLine(std::string_view line);
NewsRecord ParseNewsLine(std::string_view line);

// Removes leading and trailing bytes 0 to 32.
std::string_view TrimControls(std::string_view text);

// Command texts, client to server.
namespace commands {
inline constexpr std::string_view kUser = "USER anonymous 952";
inline constexpr std::string_view kStart = "STAR";
inline constexpr std::string_view kHello = "HELLO";
inline constexpr std::string_view kQuit = "QUIT";
inline constexpr std::string_view kRussian = "OPT language=rus";
// "OPT language=rus" for 0, "OPT language=eng" for 1, nothing for any other index.
std::optional<std::string> Language(int newsLanguage);
std::string History(int count);  // "HISN " and the count in decimal
// "GET 0001" and the id: "0001" belongs to the command, not to the six-character id.
std::string Details(std::string_view id);
}  // namespace commands

// A news count as typed in the settings: a decimal number, or nothing when it is not one.
std::optional<int> ParseNewsCount(std::string_view text);

}  // namespace plivant
