#include "feed/LineBuffer.h"

#include <algorithm>

namespace plivant {

void LineBuffer::Append(std::string_view bytes) {
    if (start_ > 0 && start_ >= data_.size() / 2) {
        data_.erase(0, start_);
        start_ = 0;
    }
    data_.append(bytes);
}

void LineBuffer::Consume(size_t count) {
    start_ += count;
    scanned_ = 0;
    if (start_ == data_.size()) {
        data_.clear();
        start_ = 0;
    }
}

std::optional<std::string> LineBuffer::TakeLine(std::string_view separator) {
    if (separator.empty()) return std::nullopt;
    for (;;) {
        std::string_view view(data_.data() + start_, pending());
        // A separator may begin in the last bytes already scanned.
        size_t from = scanned_ >= separator.size() ? scanned_ - (separator.size() - 1) : 0;
        size_t at = view.find(separator, from);
        if (at != std::string_view::npos) {
            std::string line(view.substr(0, std::min(at, maxLine_)));
            bool dropped = discarding_;
            discarding_ = false;
            Consume(at + separator.size());
            if (dropped) continue;  // the tail of an over-long line
            return line;
        }
        scanned_ = view.size();
        // Keep enough bytes that a separator starting inside the bound is still seen whole.
        size_t keep = separator.size() - 1;
        if (discarding_) {
            if (view.size() > keep) Consume(view.size() - keep);
            scanned_ = pending();
            return std::nullopt;
        }
        if (view.size() >= maxLine_ + keep + 1) {
            std::string line(view.substr(0, maxLine_));
            Consume(maxLine_);
            discarding_ = true;
            return line;
        }
        return std::nullopt;
    }
}

std::string LineBuffer::TakeRest() {
    std::string rest;
    if (!discarding_) rest.assign(data_, start_, std::min(pending(), maxLine_));
    data_.clear();
    start_ = 0;
    scanned_ = 0;
    discarding_ = false;
    return rest;
}

}  // namespace plivant
