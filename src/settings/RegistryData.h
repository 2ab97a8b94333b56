#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plivant {

// Value data of the registry store's file, the text after '=' of a value line.

std::string DwordData(uint32_t value);  // dword:0000002a
// Text with a line break or NUL cannot stand between quotes; it goes out as hex(1): bytes.
std::string StringData(std::string_view text);

// Nothing when the data holds another type.
std::optional<uint32_t> ParseDwordData(std::string_view data);
std::optional<std::string> ParseStringData(std::string_view data);

// Whether the data is well formed: a quoted string, a DWORD, hex bytes or a deletion ("-").
bool IsValidData(std::string_view data);

// `text` between double quotes, with backslash and double quote escaped.
std::string Quote(std::string_view text);
// Reads a quoted text at the start of `text`; `end` is set past the closing quote. Nothing when
// the quotes are not closed or an escape is not one of \\ and \".
std::optional<std::string> ReadQuoted(std::string_view text, size_t& end);

// Letter case ignored, Windows-1251 letters included, as the registry compares names.
bool SameRegName(std::string_view a, std::string_view b);

}  // namespace plivant
