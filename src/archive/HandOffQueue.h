#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <new>
#include <vector>

namespace plivant {

// A hand-off from any thread to one consumer that never makes the producer wait for the
// consumer. Past its limit it goes on taking items while memory allows, so that a slow consumer
// gets them late but gets them all; it is then behind until the consumer has worked the queue
// down to half of the limit.
template <typename T>
class HandOffQueue {
public:
    using Clock = std::chrono::steady_clock;
    enum class Pushed { Taken, Refused, NoMemory };

    explicit HandOffQueue(size_t limit) : limit_(limit) {}

    Pushed Push(T value) {
        std::lock_guard lock(mutex_);
        if (closed_) return Pushed::Refused;
        try {
            items_.push_back(std::move(value));
        } catch (const std::bad_alloc&) {
            return Pushed::NoMemory;
        }
        if (items_.size() > limit_) behind_ = true;
        changed_.notify_one();
        return Pushed::Taken;
    }

    // Waits for an item until `until` (or Close); then up to `gather` longer for more, and
    // takes up to `most`.
    std::vector<T> Take(size_t most, Clock::time_point until, Clock::duration gather) {
        std::deque<T> taken;
        {
            std::unique_lock lock(mutex_);
            changed_.wait_until(lock, until, [&] { return closed_ || !items_.empty(); });
            if (!items_.empty() && !closed_ && gather > Clock::duration::zero()) {
                changed_.wait_for(lock, gather, [&] { return closed_ || items_.size() >= most; });
            }
            // The whole queue changes hands in one step, so that a producer never waits long.
            if (items_.size() <= most) {
                taken.swap(items_);
            } else {
                for (size_t i = 0; i < most; ++i) {
                    taken.push_back(std::move(items_.front()));
                    items_.pop_front();
                }
            }
            if (items_.size() < limit_ / 2) behind_ = false;
        }
        return {std::make_move_iterator(taken.begin()), std::make_move_iterator(taken.end())};
    }

    // Puts items taken back in front, in their order (they are tried again later).
    void PutBack(std::vector<T> items) {
        std::lock_guard lock(mutex_);
        items_.insert(items_.begin(), std::make_move_iterator(items.begin()),
                      std::make_move_iterator(items.end()));
    }

    // Wakes the consumer; later pushes are refused. What is queued can still be taken.
    void Close() {
        std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }

    // Drops what is queued; returns how many.
    size_t Clear() {
        std::lock_guard lock(mutex_);
        size_t count = items_.size();
        items_.clear();
        return count;
    }

    // More than the limit waited, and the queue has not been worked down to half of it since.
    bool Behind() const {
        std::lock_guard lock(mutex_);
        return behind_;
    }

    size_t Size() const {
        std::lock_guard lock(mutex_);
        return items_.size();
    }

private:
    const size_t limit_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<T> items_;
    bool behind_ = false;
    bool closed_ = false;
};

}  // namespace plivant
