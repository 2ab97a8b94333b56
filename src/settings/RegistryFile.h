#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plivant {

// The registry store's file: REGEDIT4 text in Windows-1251 with CR LF line ends.
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\Software\Brellan\Plivant]
//   "порт"="2000"
//   "показывать время"=dword:00000000
//
// Every key section is followed by a blank line, as regedit writes it. Value data the program
// does not understand (hex:, hex(n):, deletions) is kept as it stands, comments too, so that a
// rewrite loses nothing but blank lines and line continuations.

struct RegEntry {
    std::string Name;      // empty for the default value "@"
    std::string Data;      // the text after '=': "\"text\"", "dword:0000002a", "hex:01,02" ...
    bool Comment = false;  // a ';' line, kept whole in Data
};

struct RegSection {
    std::string Key;  // full path, e.g. HKEY_LOCAL_MACHINE\Software\Brellan\Plivant
    std::vector<RegEntry> Entries;

    // Value lookup ignores letter case, as the registry does.
    RegEntry* FindValue(std::string_view name);
    const RegEntry* FindValue(std::string_view name) const;
    void SetValue(const std::string& name, std::string data);
};

struct RegDocument {
    std::vector<std::string> Preamble;  // comment lines before the first key
    std::vector<RegSection> Sections;

    RegSection* FindSection(std::string_view key);
    const RegSection* FindSection(std::string_view key) const;
    RegSection& AddSection(std::string key);
};

// Throws SettingsError whose text names the line and the problem.
RegDocument ParseRegDocument(std::string_view bytes);
std::string FormatRegDocument(const RegDocument& document);

}  // namespace plivant
