#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace plivant {

// Splits a byte stream into lines ended by a separator. A line longer than the bound is cut at
// the bound and the rest of it, up to its separator, is dropped; nothing else is lost.
class LineBuffer {
public:
    static constexpr size_t kDefaultMaxLine = 1 << 20;

    explicit LineBuffer(size_t maxLine = kDefaultMaxLine) : maxLine_(maxLine) {}

    void Append(std::string_view bytes);
    // The next complete line without its separator, or nothing when none is complete yet.
    std::optional<std::string> TakeLine(std::string_view separator);
    // Whatever is left after the last complete line (the peer closed mid-line).
    std::string TakeRest();
    bool Empty() const { return pending() == 0; }
    // Holds more than one bounded line: take lines before appending more, so that a line that
    // never ends costs no more memory than the bound.
    bool Full() const { return pending() > maxLine_ + kSeparatorRoom; }
    size_t Capacity() const { return data_.capacity(); }

private:
    static constexpr size_t kSeparatorRoom = 16;
    size_t pending() const { return data_.size() - start_; }
    void Consume(size_t count);

    size_t maxLine_;
    std::string data_;
    size_t start_ = 0;    // first byte not yet taken
    size_t scanned_ = 0;  // bytes after start_ already searched for a separator
    bool discarding_ = false;
};

}  // namespace plivant
