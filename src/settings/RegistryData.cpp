#include "settings/RegistryData.h"

#include <cctype>
#include <cstdio>

#include "core/TextCodec.h"

namespace plivant {

namespace {

constexpr std::string_view kDword = "dword:";
constexpr std::string_view kHexString = "hex(1):";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

int HexValue(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
}

// "01,ab,00" (spaces allowed around the commas) into bytes; nothing when malformed.
std::optional<std::string> ParseHexBytes(std::string_view list) {
    std::string bytes;
    size_t i = 0;
    auto skipSpaces = [&] {
        while (i < list.size() && (list[i] == ' ' || list[i] == '\t')) ++i;
    };
    skipSpaces();
    while (i < list.size()) {
        if (i + 1 >= list.size() || !IsHexDigit(list[i]) || !IsHexDigit(list[i + 1])) return {};
        bytes += static_cast<char>(HexValue(list[i]) * 16 + HexValue(list[i + 1]));
        i += 2;
        skipSpaces();
        if (i == list.size()) break;
        if (list[i] != ',') return {};
        ++i;
        skipSpaces();
        if (i == list.size()) return {};  // a dangling comma
    }
    return bytes;
}

// The byte list of "hex:" or "hex(n):" data; nothing for other data.
std::optional<std::string> HexPayload(std::string_view data) {
    if (!StartsWithNoCase(data, "hex")) return {};
    size_t i = 3;
    if (i < data.size() && data[i] == '(') {
        size_t close = data.find(')', i);
        if (close == std::string_view::npos || close == i + 1) return {};
        for (size_t k = i + 1; k < close; ++k) {
            if (!IsHexDigit(data[k])) return {};
        }
        i = close + 1;
    }
    if (i >= data.size() || data[i] != ':') return {};
    return ParseHexBytes(data.substr(i + 1));
}

}  // namespace

std::string DwordData(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", value);
    return std::string(kDword) + text;
}

std::string StringData(std::string_view text) {
    if (text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos) {
        return Quote(text);
    }
    std::string data(kHexString);
    char byte[4];
    for (char c : text) {
        std::snprintf(byte, sizeof byte, "%02x,", static_cast<unsigned char>(c));
        data += byte;
    }
    return data + "00";
}

std::optional<uint32_t> ParseDwordData(std::string_view data) {
    if (!StartsWithNoCase(data, kDword)) return {};
    std::string_view digits = data.substr(kDword.size());
    if (digits.empty() || digits.size() > 8) return {};
    uint32_t value = 0;
    for (char c : digits) {
        if (!IsHexDigit(c)) return {};
        value = value * 16 + uint32_t(HexValue(c));
    }
    return value;
}

std::optional<std::string> ParseStringData(std::string_view data) {
    if (!data.empty() && data.front() == '"') {
        size_t end = 0;
        std::optional<std::string> text = ReadQuoted(data, end);
        if (!text || end != data.size()) return {};
        return text;
    }
    if (!StartsWithNoCase(data, kHexString)) return {};
    std::optional<std::string> bytes = HexPayload(data);
    if (!bytes) return {};
    return bytes->substr(0, bytes->find('\0'));  // the text ends at its terminator
}

bool IsValidData(std::string_view data) {
    return data == "-" || ParseDwordData(data) || ParseStringData(data) || HexPayload(data);
}

std::string Quote(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

std::optional<std::string> ReadQuoted(std::string_view text, size_t& end) {
    if (text.empty() || text.front() != '"') return {};
    std::string out;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            end = i + 1;
            return out;
        }
        if (c == '\\') {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != '"')) return {};
            c = text[++i];
        }
        out += c;
    }
    return {};
}

bool SameRegName(std::string_view a, std::string_view b) {
    if (a == b) return true;
    return FromWire(a).compare(FromWire(b), Qt::CaseInsensitive) == 0;
}

}  // namespace plivant
