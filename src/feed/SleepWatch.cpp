#include "feed/SleepWatch.h"

#include <time.h>

namespace plivant {

namespace {

SleepWatch::Millis Read(clockid_t clock) {
    timespec now{};
    ::clock_gettime(clock, &now);
    return std::chrono::duration_cast<SleepWatch::Millis>(std::chrono::seconds(now.tv_sec) +
                                                          std::chrono::nanoseconds(now.tv_nsec));
}

}  // namespace

SleepWatch::Millis SleepWatch::AsleepSinceBoot() {
    return Read(CLOCK_BOOTTIME) - Read(CLOCK_MONOTONIC);
}

SleepWatch::SleepWatch(Millis threshold, Reading read)
    : threshold_(threshold), read_(std::move(read)), last_(read_()) {}

bool SleepWatch::Slept() {
    Millis now = read_();
    bool slept = now - last_ > threshold_;
    last_ = now;
    return slept;
}

}  // namespace plivant
