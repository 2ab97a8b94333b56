#pragma once

#include <mutex>
#include <string>

namespace plivant {

// The server's service lines, one per CR LF ended line of a file that only grows. The file
// ends up with the same bytes as if it were read as a list of lines and rewritten whole after
// every new line; it is appended to instead. A file that cannot be written loses the line and
// nothing else.
class ServiceLog {
public:
    explicit ServiceLog(std::string path) : path_(std::move(path)) {}

    // Safe from any thread.
    void Append(const std::string& line);
    // A phase (a history load, a live reader) starts from the file as it is on disk.
    void BeginPhase();

private:
    void NormaliseOnce();

    std::mutex mutex_;
    std::string path_;
    bool normalised_ = false;
};

}  // namespace plivant
