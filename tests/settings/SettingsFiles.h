#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/TextCodec.h"

// The texts of the registry file and of "servers.ini" as the tests write and read them.
namespace plivant::test {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// UTF-8 lines into the Windows-1251 CR LF text of a file.
inline std::string CrLf(const std::vector<std::string>& utf8Lines) {
    std::string out;
    for (const std::string& line : utf8Lines) out += Utf8ToWire(line) + "\r\n";
    return out;
}

// A registry file holding our key with the given value lines (UTF-8).
inline std::string RegistryText(const std::vector<std::string>& valueLines) {
    std::vector<std::string> lines = {"REGEDIT4", "",
                                      R"([HKEY_LOCAL_MACHINE\Software\Brellan\Plivant])"};
    lines.insert(lines.end(), valueLines.begin(), valueLines.end());
    lines.push_back("");
    return CrLf(lines);
}

// Every value stored, none at its dialog default.
inline std::vector<std::string> AllStored() {
    return {R"("показывать время"=dword:00000001)",
            R"("показывать ID"=dword:00000001)",
            R"("показывать дату"=dword:00000001)",
            R"("показывать флаги"=dword:00000001)",
            R"("порт"="2001")",
            R"("количество новостей"="50")",
            R"("Подключаться при включении"=dword:00000000)",
            R"("язык новостей"=dword:00000001)"};
}

inline std::vector<std::string> Without(std::vector<std::string> lines, const std::string& name) {
    std::erase_if(lines, [&](const std::string& l) { return l.starts_with("\"" + name + "\""); });
    return lines;
}

inline std::vector<std::string> With(std::vector<std::string> lines, const std::string& name,
                                     const std::string& data) {
    lines = Without(lines, name);
    lines.push_back("\"" + name + "\"=" + data);
    return lines;
}

}  // namespace plivant::test
