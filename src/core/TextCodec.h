#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace plivant {

// Bytes on the wire, in the log and in the stores are Windows-1251; these are the only places
// where they become Unicode text and back.
QString FromWire(std::string_view bytes);
std::string ToWire(const QString& text);

// Convenience for our own UTF-8 literals that travel as wire text.
std::string Utf8ToWire(std::string_view utf8);
std::string WireToUtf8(std::string_view bytes);

}  // namespace plivant
