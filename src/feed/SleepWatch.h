#pragma once

#include <chrono>
#include <functional>

namespace plivant {

// Tells whether the machine slept since the last look. CLOCK_BOOTTIME goes on counting while
// the machine is suspended and CLOCK_MONOTONIC does not, so their difference grows by the time
// spent asleep.
class SleepWatch {
public:
    using Millis = std::chrono::milliseconds;
    // The time spent asleep since boot.
    using Reading = std::function<Millis()>;

    static Millis AsleepSinceBoot();

    explicit SleepWatch(Millis threshold = std::chrono::seconds(30),
                        Reading read = &AsleepSinceBoot);

    // True when the machine slept longer than the threshold since the previous call.
    bool Slept();

private:
    Millis threshold_;
    Reading read_;
    Millis last_;
};

}  // namespace plivant
