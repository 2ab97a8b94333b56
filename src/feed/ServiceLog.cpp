#include "feed/ServiceLog.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace plivant {

namespace {

// The file as a list of lines split at CR LF, LF or CR, each written back with CR LF.
std::string AsCrLfLines(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() != '\n') out += "\r\n";
    return out;
}

}  // namespace

void ServiceLog::NormaliseOnce() {
    if (normalised_) return;
    normalised_ = true;
    std::ifstream in(path_, std::ios::binary);
    if (!in) return;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::string lines = AsCrLfLines(bytes);
    if (lines == bytes) return;
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out << lines;
}

void ServiceLog::BeginPhase() {
    std::lock_guard lock(mutex_);
    normalised_ = false;
}

void ServiceLog::Append(const std::string& line) {
    std::lock_guard lock(mutex_);
    NormaliseOnce();
    FILE* file = std::fopen(path_.c_str(), "ab");
    if (!file) return;
    std::string bytes = line + "\r\n";
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

}  // namespace plivant
